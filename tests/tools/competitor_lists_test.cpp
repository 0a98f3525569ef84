#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <string>

#include "rules/competitors/CompetitorFile.h"
#include "rules/formats/Cp1250.h"

namespace fs = std::filesystem;

namespace {

const fs::path kRunDir = VEXA_RUN_DIR;
const fs::path kGenerator = kRunDir / ".." / "vexagen";

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string cp1250(std::u16string_view text) {
    return encodeCp1250(text).value();
}

// The club list the competitor editor offers.
const std::set<std::string>& editorClubs() {
    static const std::set<std::string> clubs = {
        cp1250(u"1. KLK Karlštejn"),  cp1250(u"Dukla Praha"),       cp1250(u"LC Škoda Plzeň"),
        cp1250(u"LK CHP Litvínov"),   cp1250(u"LK INGO Plzeň"),     cp1250(u"LK Votice"),
        cp1250(u"LK Rokycany"),       cp1250(u"OP Prostějov"),      cp1250(u"SK Přerov"),
        cp1250(u"SK Slavia Praha"),   cp1250(u"SK Start Brno"),     cp1250(u"SK Start Praha"),
        cp1250(u"Sokol Kostelec"),    cp1250(u"TJ Dynamo Liberec"), cp1250(u"TJ Mariánské Hory"),
        cp1250(u"TJ Sokol Vršovice"), cp1250(u"VZO TSČ Mirošov"),
    };
    return clubs;
}

CompetitorTable loadDefault(const char* name) {
    auto table = decodeCompetitorFile(readFile(kRunDir / name));
    if (!table) ADD_FAILURE() << name << " is not a competitor file";
    return table.value_or(CompetitorTable{});
}

void checkField(const CompetitorTable& table, bool women) {
    std::set<std::string> names;
    int named = 0;
    for (int slot = 0; slot < kCompetitorSlots; ++slot) {
        const CompetitorRecord& c = table[slot];
        SCOPED_TRACE(slot);
        if (c.isFree()) {
            EXPECT_TRUE(c.Club.empty());
            continue;
        }
        ++named;
        EXPECT_EQ(named, slot + 1) << "the field fills the first slots without gaps";
        EXPECT_TRUE(names.insert(c.Name).second) << c.Name << " twice";
        EXPECT_TRUE(editorClubs().count(c.Club)) << c.Club;
        for (int32_t value : c.Performance) {
            EXPECT_GE(value, 5);
            EXPECT_LE(value, 94);
        }
        EXPECT_LE(c.Performance[0], c.Performance[3]) << "the nearest target is the easiest";

        // "Příjmení, Jméno", the surname in the form of the field's gender.
        const std::size_t comma = c.Name.find(", ");
        ASSERT_NE(comma, std::string::npos) << c.Name;
        const std::u16string surname = decodeCp1250(c.Name.substr(0, comma));
        EXPECT_EQ(surname.back() == u'á', women) << c.Name;
    }
    EXPECT_GE(named, 20);
    EXPECT_LE(named, 40);
}

}  // namespace

TEST(DefaultCompetitorFiles, MenAreABelievableField) {
    const std::string bytes = readFile(kRunDir / "muzi.luk");
    EXPECT_EQ(bytes.size(), kCompetitorFileSize);
    checkField(loadDefault("muzi.luk"), false);
}

TEST(DefaultCompetitorFiles, WomenAreABelievableField) {
    checkField(loadDefault("zeny.luk"), true);
}

TEST(DefaultCompetitorFiles, StrongerArchersLeadAtEveryDistance) {
    // The best at the longest distance is better at 30 m than the weakest there.
    for (const char* file : {"muzi.luk", "zeny.luk"}) {
        const CompetitorTable table = loadDefault(file);
        const CompetitorRecord* best = &table[0];
        const CompetitorRecord* weakest = &table[0];
        for (const CompetitorRecord& c : table) {
            if (c.isFree()) continue;
            if (c.Performance[0] > best->Performance[0]) best = &c;
            if (c.Performance[0] < weakest->Performance[0]) weakest = &c;
        }
        EXPECT_GT(best->Performance[3], weakest->Performance[3]) << file;
    }
}

// The generator run on lists of our own, in a folder of its own.
class GeneratorLists : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() /
                ("vexagen-" + std::to_string(std::random_device{}()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        fs::create_directories(root_ / "data");
    }
    void TearDown() override { fs::remove_all(root_); }

    // The generator's exit status with these lists as the men's and women's sources.
    int generate(const std::string& men,
                 const std::string& women = "Nováková, Jana;;60;75;75;85\n") {
        writeFile(root_ / "data" / "muzi.txt", men);
        writeFile(root_ / "data" / "zeny.txt", women);
        const std::string command = "\"" + kGenerator.string() + "\" \"" + run().string() +
                                    "\" \"" + (root_ / "builtin").string() + "\" \"" +
                                    (root_ / "data").string() + "\" 2>\"" +
                                    (root_ / "errors.txt").string() + "\"";
        return std::system(command.c_str());
    }
    fs::path run() const { return root_ / "run"; }
    std::string errors() const { return readFile(root_ / "errors.txt"); }

  private:
    fs::path root_;
};

TEST_F(GeneratorLists, FailsLoudlyOnALineItCannotTake) {
    const std::string good = "# comment\nNovák, Jan;Dukla Praha;60;75;75;85\n";
    const std::pair<const char*, const char*> bad[] = {
        {"Král, Petr;Dukla Praha;60;75;75\n", "muzi.txt:3: expected"},
        {"Král, Petr;Dukla Praha;60;75;75;85;1\n", "muzi.txt:3: expected"},
        {"Král, Petr;Dukla Praha;60;75;75;95\n", "outside 5..94"},
        {"Král, Petr;Dukla Praha;4;75;75;85\n", "outside 5..94"},
        {"Král, Petr;Dukla Praha;6x;75;75;85\n", "not a whole number"},
        {"Král, Petr;Dukla Praha;;75;75;85\n", "not a whole number"},
        {";Dukla Praha;60;75;75;85\n", "empty name"},
        {"Kolářová-Vondráčková, Bohumilka;;60;75;75;85\n", "name is longer than 30"},
        {"Král, Petr;TJ Sokol Vršovice II.;60;75;75;85\n", "club is longer than 20"},
        {"Жуков, Petr;Dukla Praha;60;75;75;85\n", "cp1250 lacks"},
        {"Kr\xff\xfel, Petr;Dukla Praha;60;75;75;85\n", "not valid UTF-8"},
        {"Novák, Jan;SK Přerov;50;50;50;50\n", "name listed twice"},
    };
    for (const auto& [line, reason] : bad) {
        SCOPED_TRACE(line);
        EXPECT_NE(generate(good + line), 0);
        EXPECT_NE(errors().find(reason), std::string::npos) << errors();
        EXPECT_FALSE(fs::exists(run() / "muzi.luk")) << "nothing is written from a bad list";
    }
    std::string crowd;
    for (int i = 0; i <= kCompetitorSlots; ++i)
        crowd += "Novák, Jan " + std::to_string(i) + ";;60;60;60;60\n";
    EXPECT_NE(generate(crowd), 0);
    EXPECT_NE(errors().find("muzi.txt:151: more competitors"), std::string::npos) << errors();

    EXPECT_NE(generate(good, "Nováková, Jana;;60;75;75;0\n"), 0);
    EXPECT_NE(errors().find("zeny.txt:1: performance value 0"), std::string::npos) << errors();
}

TEST_F(GeneratorLists, TakesFullLengthFieldsAndTheRangeEnds) {
    // 30-character name, 20-character club, both ends of the range, blanks round the fields.
    const std::string list =
        "Kolářová-Vondráčková, Bohumila;TJ Sokol Vršovice B.; 5 ;94;5;94\r\n"
        "\n"
        "Král, Petr;;50;60;70;80\n";
    ASSERT_EQ(generate(list), 0);
    auto table = decodeCompetitorFile(readFile(run() / "muzi.luk"));
    ASSERT_TRUE(table);
    EXPECT_EQ((*table)[0].Name, cp1250(u"Kolářová-Vondráčková, Bohumila"));
    EXPECT_EQ((*table)[0].Club, cp1250(u"TJ Sokol Vršovice B."));
    EXPECT_EQ((*table)[0].Performance, (std::array<int32_t, 4>{5, 94, 5, 94}));
    EXPECT_EQ((*table)[1].Name, cp1250(u"Král, Petr"));
    EXPECT_EQ((*table)[1].Club, "");
    EXPECT_TRUE((*table)[2].isFree());
    EXPECT_EQ(decodeCompetitorFile(readFile(run() / "zeny.luk")).value()[0].Name,
              cp1250(u"Nováková, Jana"));
}
