#include <gtest/gtest.h>

#include "rules/settings/SettingsFile.h"
#include "support/KeyTexts.h"
#include "support/MemoryFileStore.h"

namespace {

constexpr const char* kPath = "nastaveni.ini";

TEST(SettingsFile, KeepsWhatItDoesNotKnowAndChangesOnlyWhatChanged) {
    MemoryFileStore files;
    files.files[kPath] =
        "; own note\r\n[Hra]\r\nsouperiPodleUrovne = ano\r\nbarva=modra\r\n\r\n[Jine]\r\nx=1\r\n";
    SettingsFile file(files);
    EXPECT_FALSE(file.settings().fieldAtPlayerLevel);

    PlayerSettings changed = file.settings();
    changed.windowScale = 200;
    changed.language = "en";
    ASSERT_TRUE(file.save(changed, ReadKeyTexts));
    EXPECT_EQ(files.files[kPath],
              "; own note\n[Hra]\nsouperiPodleUrovne = ano\nbarva=modra\njazyk=en\n\n"
              "[Jine]\nx=1\n[Okno]\nzvetseni=200\n");

    changed.language = "";  // the system's language is the key's absence
    changed.fieldAtPlayerLevel = true;
    changed.wind = WindLevel::Variable;
    ASSERT_TRUE(file.save(changed, ReadKeyTexts));
    EXPECT_EQ(SettingsFile(files).settings(), changed);
    EXPECT_NE(files.files[kPath].find("vitr=2\n"), std::string::npos);
    EXPECT_EQ(files.files[kPath].find("jazyk"), std::string::npos);
}

// A text the game could not read stays as the player wrote it until the player binds that
// action, whatever else is saved meanwhile; a text that binds the same keys is not rewritten.
TEST(SettingsFile, OnlyActionsWhoseKeysChangedAreWritten) {
    MemoryFileStore files;
    const std::string start = "[Ovladani]\nvlevo=Nevim\nnatahnout=A\nvystrelit=Space\n";
    files.files[kPath] = start;
    SettingsFile file(files);
    PlayerSettings changed = file.settings();
    changed.controls = PlayerSettings::DefaultControls();  // the keys in use: "Nevim" is Left
    changed.controls[static_cast<std::size_t>(ControlAction::Shoot)] = "Space";
    ASSERT_TRUE(file.save(changed, ReadKeyTexts));
    EXPECT_EQ(files.files[kPath], start);

    changed.controls[static_cast<std::size_t>(ControlAction::Left)] = "J";
    changed.controls[static_cast<std::size_t>(ControlAction::Shoot)] = "S";
    ASSERT_TRUE(file.save(changed, ReadKeyTexts));
    EXPECT_EQ(files.files[kPath], "[Ovladani]\nvlevo=J\nnatahnout=A\nvystrelit=S\n");
}

TEST(SettingsFile, ValuesOutOfRangeReadAsTheNearestValidOne) {
    struct Case {
        const char* text;
        PlayerSettings expected;
    };
    const auto with = [](auto change) {
        PlayerSettings s;
        change(s);
        return s;
    };
    const Case cases[] = {
        {"[Okno]\nzvetseni=125", {}},
        {"[Okno]\nzvetseni=300", with([](PlayerSettings& s) { s.windowScale = 300; })},
        {"[Okno]\ncelaObrazovka=true", with([](PlayerSettings& s) { s.fullScreen = true; })},
        {"[Okno]\ncelaObrazovka=1\n[Zvuk]\nztlumeno=ano", {}},
        {"[Zvuk]\nhlasitost=140\nztlumeno=true", with([](PlayerSettings& s) { s.muted = true; })},
        {"[Zvuk]\nhlasitost=-5", with([](PlayerSettings& s) { s.volume = 0; })},
        {"[Zvuk]\nhlasitost=37", with([](PlayerSettings& s) { s.volume = 37; })},
        {"[Hra]\njazyk=de\nsouperiPodleUrovne=1",
         with([](PlayerSettings& s) { s.language = "de"; })},
        {"[Hra]\njazyk=cs", with([](PlayerSettings& s) { s.language = "cs"; })},
        {"[Hra]\nvitr=3", with([](PlayerSettings& s) { s.wind = WindLevel::Strong; })},
        {"[Hra]\nvitr=1", with([](PlayerSettings& s) { s.wind = WindLevel::Light; })},
        {"[Hra]\nvitr=4", {}},
        {"[Hra]\nvitr=-1", {}},
        {"[Hra]\nvitr=silny", {}},
        {"[Hra]\njazyk=Čeština", {}},
        {"[Hra]\njazyk=english", {}},
        {"[Trenink]\nvzdalenost=64\nsady=0\nsekundNaSadu=9999", with([](PlayerSettings& s) {
             s.practice = {"", 60, 1, false, 600};
         })},
        {"[Trenink]\nvzdalenost=-2147483648\nsady=13\nsekundNaSadu=1\ncasovyLimit=true",
         with([](PlayerSettings& s) {
             s.practice = {"", 30, 12, true, 10};
         })},
        {"[Trenink]\nsady=3x\nlukostrelec= Novák Jan ",
         with([](PlayerSettings& s) { s.practice.archer = "Novák Jan"; })},
        {"[Souboje]\npavouk=12\nkategorie=zeny\ncasovyLimit=ano", with([](PlayerSettings& s) {
             s.bouts = {"", Division::Women, 8, false, false};
         })},
        {"[Souboje]\npavouk=2000\nkategorie=deti\nsouperiPodleUrovne=true\nlukostrelec=Eva",
         with([](PlayerSettings& s) {
             s.bouts = {"Eva", Division::Men, 32, true, false};
         })},
        {"[Souboje]\npavouk=-5\ncasovyLimit=true", with([](PlayerSettings& s) {
             s.bouts = {"", Division::Men, 8, false, true};
         })},
        {"[Ovladani]\nvystrelit=Space\ndolu=", with([](PlayerSettings& s) {
             s.controls[static_cast<std::size_t>(ControlAction::Shoot)] = "Space";
             s.controls[static_cast<std::size_t>(ControlAction::Down)] = "";
         })},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadPlayerSettings(IniText::parse(c.text)), c.expected) << c.text;
    }
}

TEST(SettingsFile, AFileThatCannotBeUsedIsNeverWrittenOver) {
    MemoryFileStore files;
    const std::string damaged = "[Okno]\nzvetseni=200\n\xff\xfe";
    files.files[kPath] = damaged;
    SettingsFile file(files);
    EXPECT_EQ(file.settings(), PlayerSettings{});
    EXPECT_TRUE(file.takeUnreadableNotice());
    EXPECT_FALSE(file.takeUnreadableNotice());  // said once

    PlayerSettings changed;
    changed.windowScale = 150;
    EXPECT_FALSE(file.save(changed, ReadKeyTexts));
    EXPECT_EQ(file.settings().windowScale, 150);  // the game goes on with the choice
    EXPECT_EQ(files.files[kPath], damaged);
    EXPECT_EQ(files.writes, 0);
}

TEST(SettingsFile, AMissingFileIsMadeByTheFirstSaveAndAFailedWriteIsReported) {
    MemoryFileStore files;
    SettingsFile file(files);
    EXPECT_FALSE(file.takeUnreadableNotice());
    PlayerSettings changed;
    changed.practice.ends = 4;
    files.unwritable.insert(kPath);
    EXPECT_FALSE(file.save(changed, ReadKeyTexts));
    EXPECT_FALSE(files.files.count(kPath));
    files.unwritable.clear();
    EXPECT_TRUE(file.save(changed, ReadKeyTexts));
    EXPECT_EQ(files.files[kPath], "[Trenink]\nsady=4\n");
}

}  // namespace
