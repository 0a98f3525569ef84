#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/QtFileStore.h"
#include "rules/competitors/CompetitorFile.h"
#include "support/ArcherListLines.h"
#include "support/Competitors.h"
#include "support/MemoryFileStore.h"
#include "windows/ArcherListDialog.h"

namespace {

// Answers the file dialogs with scripted names and records the error messages.
class FakeFilePrompts final : public ArcherFilePrompts {
  public:
    QString fileName;
    QString filterSeen;
    QStringList errors;

    QString chooseFileToLoad(QWidget*, const QString& filter) override {
        filterSeen = filter;
        return fileName;
    }
    QString chooseFileToSave(QWidget*, const QString& filter) override {
        filterSeen = filter;
        return fileName;
    }
    void showError(QWidget*, const QString& text) override { errors << text; }
};

void SelectLine(ArcherListDialog& form, int row) {
    QListWidget* list = form.ListBox1;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

}  // namespace

// The competitor list dialog: layout, sorting, commands, kinds, loading and saving.
class ListDialog : public QObject {
    Q_OBJECT
  private:
    MemoryFileStore memory;
    FakeFilePrompts prompts;
    CompetitorTable table;

    std::unique_ptr<ArcherListDialog> shown(FileStore& files, const CompetitorTable& start) {
        table = start;
        prompts = FakeFilePrompts{};
        auto form = std::make_unique<ArcherListDialog>(files);
        form->setFilePrompts(&prompts);
        form->setTable(&table);
        form->fillList(table);
        form->show();
        return form;
    }

  private Q_SLOTS:
    void layoutAndCaptions() {
        ArcherListDialog form(memory);
        QCOMPARE(form.windowTitle(), QStringLiteral("Lukostřelci..."));
        QCOMPARE(form.size(), QSize(397, 194));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QCOMPARE(form.ListBox1->geometry(), QRect(0, 8, 265, 89));
        QCOMPARE(form.ListBox1->selectionMode(), QAbstractItemView::SingleSelection);
        const QList<std::tuple<QAbstractButton*, QString, QRect>> controls = {
            {form.Addarch, QStringLiteral("Přidat"), {296, 8, 75, 25}},
            {form.Editarch, QStringLiteral("Editovat"), {296, 32, 75, 25}},
            {form.Removearch, QStringLiteral("Odebrat"), {296, 56, 75, 25}},
            {form.Cleararch, QStringLiteral("Vymazat"), {296, 80, 75, 25}},
            {form.Komp, QStringLiteral("Počítač"), {16, 112, 113, 17}},
            {form.Human, QStringLiteral("Člověk"), {152, 112, 113, 17}},
            {form.Button1, QStringLiteral("Načíst..."), {296, 128, 75, 25}},
            {form.Button2, QStringLiteral("Uložit..."), {296, 152, 75, 25}},
            {form.Okarch, QStringLiteral("OK"), {13, 152, 75, 25}},
            {form.BitBtn1, QStringLiteral("Nápověda"), {93, 152, 89, 25}},
            {form.Sornoarch, QStringLiteral("Storno"), {186, 152, 75, 25}},
        };
        for (const auto& [control, caption, geometry] : controls) {
            QCOMPARE(control->text(), caption);
            QCOMPARE(control->geometry(), geometry);
        }
        QVERIFY(form.Komp->isChecked());
        QVERIFY(form.Okarch->isDefault());
        QCOMPARE(form.Command, 5);
    }

    void listSortsInCzechOrderAndTakesTheSelectedLine() {
        auto form = shown(memory, Field({cp(u"Šimek"), cp(u"chalupa"), cp(u"Čermák"), "Adam",
                                         cp(u"Hrubý"), "Zeman", "cibulka"}));
        QCOMPARE(Lines(*form),
                 QStringList({"Adam", "cibulka", "Čermák", "Hrubý", "chalupa", "Šimek", "Zeman"}));
        form->addLine(cp(u"Dvořák"));
        QCOMPARE(form->ListBox1->item(3)->text(), QStringLiteral("Dvořák"));

        QVERIFY(!form->takeSelectedLine());
        SelectLine(*form, 2);
        QCOMPARE(form->takeSelectedLine(), std::optional(cp(u"Čermák")));
        QVERIFY(form->ListBox1->selectedItems().isEmpty());
        QCOMPARE(form->ListBox1->count(), 7);
    }

    void everyShowingStartsAsCancel() {
        auto form = shown(memory, Field({"Adam"}));
        QTest::mouseClick(form->Okarch, Qt::LeftButton);
        QCOMPARE(form->Command, 0);
        QVERIFY(!form->isVisible());

        form->show();
        QCOMPARE(form->Command, 5);
        QTest::keyClick(form.get(), Qt::Key_Escape);
        QVERIFY(!form->isVisible());
        QCOMPARE(form->Command, 5);

        form->show();
        QTest::mouseClick(form->Addarch, Qt::LeftButton);
        QCOMPARE(form->Command, 1);
        form->show();
        form->close();  // the close box
        QCOMPARE(form->Command, 5);
    }

    void commandButtonsCloseWithTheirCommand() {
        auto form = shown(memory, Field({"Adam"}));
        const QList<std::pair<QPushButton*, int>> buttons = {
            {form->Okarch, 0},   {form->Addarch, 1},   {form->Removearch, 2},
            {form->Editarch, 3}, {form->Cleararch, 4}, {form->Sornoarch, 5},
        };
        for (const auto& [button, command] : buttons) {
            form->show();
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(form->Command, command);
            QVERIFY(!form->isVisible());
        }
    }

    void editIndexIsTheLowerSlotOfTheSelectedName() {
        auto form = shown(memory, Field({"Adam", "Novak", "Bem", "Novak"}));
        SelectLine(*form, 3);  // the second "Novak" line
        QTest::mouseClick(form->Editarch, Qt::LeftButton);
        QCOMPARE(form->Command, 3);
        QCOMPARE(form->EditIndex, 1);

        form->show();
        SelectLine(*form, 1);  // "Bem"
        QTest::mouseClick(form->Editarch, Qt::LeftButton);
        QCOMPARE(form->EditIndex, 2);

        form->show();
        form->ListBox1->clearSelection();
        QTest::mouseClick(form->Editarch, Qt::LeftButton);
        QCOMPARE(form->Command, 3);
        QCOMPARE(form->EditIndex, -1);
    }

    void kindButtonsFollowTheSelectedLine() {
        CompetitorTable start = Field({"Adam", "Bem", "Cyril"});
        start[1].IsComputer = false;
        auto form = shown(memory, start);
        SelectLine(*form, 1);
        QVERIFY(form->Human->isChecked());
        SelectLine(*form, 0);
        QVERIFY(form->Komp->isChecked());
        QTest::keyClick(form->ListBox1, Qt::Key_Down);  // to "Bem"
        QVERIFY(form->Human->isChecked());
        QTest::keyClick(form->ListBox1, 'c');  // typed: to "Cyril"
        QCOMPARE(form->ListBox1->selectedItems().value(0)->text(), QStringLiteral("Cyril"));
        QVERIFY(form->Komp->isChecked());

        form->Human->click();
        QVERIFY(!table[2].IsComputer);
        form->Komp->click();
        QVERIFY(table[2].IsComputer);
        QVERIFY(!table[1].IsComputer);
    }

    void doubleClickReversesTheKind() {
        auto form = shown(memory, Field({"Adam", "Bem"}));
        QListWidget* list = form->ListBox1;
        const QPoint onBem = list->visualItemRect(list->item(1)).center();
        // A double click as the player makes it: a click, then the second press.
        auto doubleClick = [&] {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, onBem);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, onBem);
        };
        doubleClick();
        QVERIFY(!table[1].IsComputer);
        QVERIFY(form->Human->isChecked());
        doubleClick();
        QVERIFY(table[1].IsComputer);
        QVERIFY(form->Komp->isChecked());
        QVERIFY(table[0].IsComputer);
    }

    void kindButtonsActOnTheLowerOfTwoEqualNames() {
        auto form = shown(memory, Field({"Novak", "Adam", "Novak"}));
        SelectLine(*form, 2);
        form->Human->click();
        QVERIFY(!table[0].IsComputer);
        QVERIFY(table[2].IsComputer);
    }

    void kindButtonsWithoutSelectionChangeNoOne() {
        auto form = shown(memory, Field({"Adam", "Bem"}));
        form->Human->click();
        QVERIFY(form->Human->isChecked());
        QCOMPARE(table, Field({"Adam", "Bem"}));
    }

    void loadReplacesTableAndListWithComputerCompetitors() {
        memory.files["jini.luk"] = encodeCompetitorFile(Field({"Zeman", "Bem"}));
        CompetitorTable start = Field({"Adam"});
        start[0].IsComputer = false;
        auto form = shown(memory, start);
        SelectLine(*form, 0);
        QVERIFY(form->Human->isChecked());

        prompts.fileName = QStringLiteral("jini.luk");
        QTest::mouseClick(form->Button1, Qt::LeftButton);
        QCOMPARE(prompts.filterSeen, QStringLiteral("Lukostřelci (*.luk);;Všechny soubory (*)"));
        QVERIFY(prompts.errors.isEmpty());
        QCOMPARE(table, Field({"Zeman", "Bem"}));
        QCOMPARE(Lines(*form), QStringList({"Bem", "Zeman"}));
        QVERIFY(form->Human->isChecked());  // the radio buttons are left as they were
        QVERIFY(form->isVisible());

        QTest::keyClick(form.get(), Qt::Key_Escape);
        QCOMPARE(form->Command, 5);
    }

    void loadWithoutChoiceDoesNothing() {
        auto form = shown(memory, Field({"Adam"}));
        prompts.fileName.clear();
        QTest::mouseClick(form->Button1, Qt::LeftButton);
        QVERIFY(prompts.errors.isEmpty());
        QCOMPARE(table, Field({"Adam"}));
    }

    void loadFailuresKeepTableAndList() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        auto write = [&](const QString& name, const std::string& bytes) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        };
        const std::string good = encodeCompetitorFile(Field({"Zeman"}));
        write(QStringLiteral("text.luk"), "Brantel 2 players, but not really\r\n");
        write(QStringLiteral("short.luk"), good.substr(0, good.size() - 1));
        write(QStringLiteral("empty.luk"), "");
        // Ten gigabytes that take no disk: refused from their first bytes.
        QFile huge(dir.filePath(QStringLiteral("huge.luk")));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(10LL << 30));
        huge.close();
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.luk")));

        QtFileStore disk;
        CompetitorTable start = Field({"Adam", "Bem"});
        start[1].IsComputer = false;
        auto form = shown(disk, start);
        const QStringList bad = {"text.luk",  "short.luk",  "huge.luk",
                                 "empty.luk", "folder.luk", "missing.luk"};
        for (const QString& name : bad) {
            prompts.fileName = dir.filePath(name);
            QTest::mouseClick(form->Button1, Qt::LeftButton);
            QCOMPARE(prompts.errors.value(prompts.errors.size() - 1),
                     QStringLiteral("Chyba při načítání ze souboru !"));
            QCOMPARE(table, start);
            QCOMPARE(Lines(*form), QStringList({"Adam", "Bem"}));
        }
        QCOMPARE(prompts.errors.size(), bad.size());

        memory.files["locked.luk"] = good;
        memory.unreadable.insert("locked.luk");
        auto other = shown(memory, start);
        prompts.fileName = QStringLiteral("locked.luk");
        QTest::mouseClick(other->Button1, Qt::LeftButton);
        QCOMPARE(prompts.errors, QStringList({"Chyba při načítání ze souboru !"}));
        QCOMPARE(table, start);
    }

    void saveWritesExactlyTheChosenName() {
        QTemporaryDir dir;
        QtFileStore disk;
        auto form = shown(disk, Field({"Adam", cp(u"Šimek")}));
        prompts.fileName = dir.filePath(QStringLiteral("druzstvo"));
        QTest::mouseClick(form->Button2, Qt::LeftButton);
        QVERIFY(prompts.errors.isEmpty());
        QCOMPARE(prompts.filterSeen, QStringLiteral("Lukostřelci (*.luk);;Všechny soubory (*)"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"druzstvo"}));
        QFile saved(prompts.fileName);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll().toStdString(), encodeCompetitorFile(table));

        QTest::keyClick(form.get(), Qt::Key_Escape);
        QCOMPARE(form->Command, 5);
    }

    void saveFailuresLeaveTheOldFile() {
        QTemporaryDir dir;
        QtFileStore disk;
        auto form = shown(disk, Field({"Adam"}));
        prompts.fileName = dir.filePath(QStringLiteral("no/such/folder/x.luk"));
        QTest::mouseClick(form->Button2, Qt::LeftButton);
        QCOMPARE(prompts.errors, QStringList({"Chyba při ukládání souboru !"}));
        QVERIFY(!QFile::exists(prompts.fileName));

        memory.files["old.luk"] = "old bytes";
        memory.unwritable.insert("old.luk");
        auto other = shown(memory, Field({"Adam"}));
        prompts.fileName = QStringLiteral("old.luk");
        QTest::mouseClick(other->Button2, Qt::LeftButton);
        QCOMPARE(prompts.errors, QStringList({"Chyba při ukládání souboru !"}));
        QCOMPARE(memory.files["old.luk"], std::string("old bytes"));
        QVERIFY(other->isVisible());
    }
};

QTEST_MAIN(ListDialog)
#include "tst_archer_list_dialog.moc"
