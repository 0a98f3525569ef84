#include "rules/competitors/NameOrder.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "rules/formats/Cp1250.h"

namespace {

// Weights of one character or of the digraph "ch".
struct Weight {
    uint16_t primary = 0;  // punctuation < digits < letters in Czech alphabetical order
    uint8_t accent = 0;    // 0 for the plain letter
    uint8_t capital = 0;   // 1 for a capital
};

// Czech alphabet: a b c č d e f g h ch i j k l m n o p q r ř s š t u v w x y z ž; "_" holds
// the place of "ch".
constexpr std::u16string_view kAlphabet = u"abc\u010Ddefgh_ijklmnopqr\u0159s\u0161tuvwxyz\u017E";
constexpr uint16_t kDigitBase = 0x200;
constexpr uint16_t kLetterBase = 0x300;

struct Accented {
    char16_t small;
    char16_t capital;
    char16_t base;
    uint8_t accent;
};

enum : uint8_t {
    kAcute = 1,
    kCaron,
    kRing,
    kUmlaut,
    kCircumflex,
    kBreve,
    kOgonek,
    kCedilla,
    kStroke,
    kDoubleAcute,
    kDot,
    kSharp
};

// Every accented letter of the code page, with its plain letter.
constexpr Accented kAccented[] = {
    {u'\u00E1', u'\u00C1', u'a', kAcute},
    {u'\u00E4', u'\u00C4', u'a', kUmlaut},
    {u'\u00E2', u'\u00C2', u'a', kCircumflex},
    {u'\u0103', u'\u0102', u'a', kBreve},
    {u'\u0105', u'\u0104', u'a', kOgonek},
    {u'\u0107', u'\u0106', u'c', kAcute},
    {u'\u00E7', u'\u00C7', u'c', kCedilla},
    {u'\u010F', u'\u010E', u'd', kCaron},
    {u'\u0111', u'\u0110', u'd', kStroke},
    {u'\u00E9', u'\u00C9', u'e', kAcute},
    {u'\u011B', u'\u011A', u'e', kCaron},
    {u'\u00EB', u'\u00CB', u'e', kUmlaut},
    {u'\u0119', u'\u0118', u'e', kOgonek},
    {u'\u00ED', u'\u00CD', u'i', kAcute},
    {u'\u00EE', u'\u00CE', u'i', kCircumflex},
    {u'\u013A', u'\u0139', u'l', kAcute},
    {u'\u013E', u'\u013D', u'l', kCaron},
    {u'\u0142', u'\u0141', u'l', kStroke},
    {u'\u0144', u'\u0143', u'n', kAcute},
    {u'\u0148', u'\u0147', u'n', kCaron},
    {u'\u00F3', u'\u00D3', u'o', kAcute},
    {u'\u00F4', u'\u00D4', u'o', kCircumflex},
    {u'\u00F6', u'\u00D6', u'o', kUmlaut},
    {u'\u0151', u'\u0150', u'o', kDoubleAcute},
    {u'\u0155', u'\u0154', u'r', kAcute},
    {u'\u015B', u'\u015A', u's', kAcute},
    {u'\u015F', u'\u015E', u's', kCedilla},
    {u'\u0165', u'\u0164', u't', kCaron},
    {u'\u0163', u'\u0162', u't', kCedilla},
    {u'\u00FA', u'\u00DA', u'u', kAcute},
    {u'\u016F', u'\u016E', u'u', kRing},
    {u'\u00FC', u'\u00DC', u'u', kUmlaut},
    {u'\u0171', u'\u0170', u'u', kDoubleAcute},
    {u'\u00FD', u'\u00DD', u'y', kAcute},
    {u'\u017A', u'\u0179', u'z', kAcute},
    {u'\u017C', u'\u017B', u'z', kDot},
    {u'\u00DF', u'\u00DF', u's', kSharp},
    // The letters of the Czech alphabet that are not plain Latin ones.
    {u'\u010D', u'\u010C', u'\u010D', 0},
    {u'\u0159', u'\u0158', u'\u0159', 0},
    {u'\u0161', u'\u0160', u'\u0161', 0},
    {u'\u017E', u'\u017D', u'\u017E', 0},
};

uint16_t letterRank(char16_t base) {
    return static_cast<uint16_t>(kLetterBase + kAlphabet.find(base));
}

std::array<Weight, 256> makeWeights() {
    std::array<Weight, 256> weights{};
    for (int byte = 0; byte < 256; ++byte) {
        weights[byte].primary = static_cast<uint16_t>(byte);
    }
    for (char c = '0'; c <= '9'; ++c) {
        weights[static_cast<unsigned char>(c)].primary = static_cast<uint16_t>(kDigitBase + c);
    }
    for (char c = 'a'; c <= 'z'; ++c) {
        weights[static_cast<unsigned char>(c)] = {letterRank(char16_t(c)), 0, 0};
        weights[static_cast<unsigned char>(c - 'a' + 'A')] = {letterRank(char16_t(c)), 0, 1};
    }
    for (const Accented& a : kAccented) {
        if (auto small = unicodeToCp1250(a.small)) {
            weights[*small] = {letterRank(a.base), a.accent, 0};
        }
        if (auto capital = unicodeToCp1250(a.capital); capital && a.capital != a.small) {
            weights[*capital] = {letterRank(a.base), a.accent, 1};
        }
    }
    return weights;
}

const std::array<Weight, 256>& weights() {
    static const std::array<Weight, 256> table = makeWeights();
    return table;
}

std::vector<Weight> weigh(std::string_view text) {
    std::vector<Weight> out;
    out.reserve(text.size());
    const Weight& c = weights()[static_cast<unsigned char>('c')];
    const Weight& h = weights()[static_cast<unsigned char>('h')];
    for (std::size_t i = 0; i < text.size(); ++i) {
        Weight w = weights()[static_cast<unsigned char>(text[i])];
        if (w.primary == c.primary && w.accent == 0 && i + 1 < text.size()) {
            const Weight& next = weights()[static_cast<unsigned char>(text[i + 1])];
            if (next.primary == h.primary && next.accent == 0) {
                w.primary = letterRank(u'_');
                ++i;
            }
        }
        out.push_back(w);
    }
    return out;
}

// Compares one level of the weights; negative, zero or positive.
template <typename Level>
int compareLevel(const std::vector<Weight>& a, const std::vector<Weight>& b, Level level) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int d = int(level(a[i])) - int(level(b[i]));
        if (d != 0) return d;
    }
    return int(a.size() > b.size()) - int(a.size() < b.size());
}

}  // namespace

bool NameLess(std::string_view a, std::string_view b) {
    const std::vector<Weight> wa = weigh(a);
    const std::vector<Weight> wb = weigh(b);
    if (int d = compareLevel(wa, wb, [](const Weight& w) { return w.primary; })) return d < 0;
    if (int d = compareLevel(wa, wb, [](const Weight& w) { return w.accent; })) return d < 0;
    if (int d = compareLevel(wa, wb, [](const Weight& w) { return w.capital; })) return d < 0;
    return a < b;
}
