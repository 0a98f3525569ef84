#include "windows/ResultsWindow.h"

#include <QDir>
#include <QFileDialog>
#include <QFont>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStyle>

#include "rules/formats/FileStore.h"
#include "windows/ClassText.h"
#include "windows/DesignFont.h"
#include "windows/DialogRows.h"
#include "windows/FollowLanguage.h"
#include "windows/GameTextDisplay.h"
#include "windows/HelpViewer.h"

ResultsWindow::ResultsWindow(MatchState& state, FileStore& files, QWidget* parent)
    : QDialog(parent),
      RichEdit1(new QPlainTextEdit(this)),
      BitBtn1(new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), {}, this)),
      RB1(new QRadioButton(this)),
      RB2(new QRadioButton(this)),
      save(new QPushButton(this)),
      BitBtn2(new QPushButton(style()->standardIcon(QStyle::SP_MessageBoxQuestion), {}, this)),
      state_(state),
      files_(files) {
    setFont(DesignFont(9));
    setFixedSize(641, 326);
    move(70, 108);

    RichEdit1->setGeometry(0, 0, 641, 269);
    RichEdit1->setReadOnly(true);
    RichEdit1->setUndoRedoEnabled(false);
    RichEdit1->setLineWrapMode(QPlainTextEdit::NoWrap);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The listing's columns line up only in a fixed-pitch font; this one has every Czech glyph.
    QFont fixed(QStringLiteral("DejaVu Sans Mono"));
    fixed.setStyleHint(QFont::Monospace);
    fixed.setFixedPitch(true);
    fixed.setPixelSize(12);
    RichEdit1->setFont(fixed);

    BitBtn1->setGeometry(64, 289, 65, 22);
    BitBtn1->setDefault(true);
    RB1->setGeometry(464, 280, 73, 17);
    RB1->setChecked(true);
    RB2->setGeometry(464, 304, 73, 17);
    save->setGeometry(328, 289, 75, 25);
    BitBtn2->setGeometry(184, 289, 83, 25);
    SetTabChain({RichEdit1, BitBtn1, RB1, RB2, save, BitBtn2});

    connect(BitBtn1, &QPushButton::clicked, this, &ResultsWindow::BitBtn1Click);
    connect(save, &QPushButton::clicked, this, &ResultsWindow::saveClick);
    connect(BitBtn2, &QPushButton::clicked, this, &ResultsWindow::BitBtn2Click);
    // Only a change of the option switches the view; picking the selected one again does not.
    connect(RB1, &QRadioButton::toggled, this, [this](bool on) {
        if (on) RB1Click();
    });
    connect(RB2, &QRadioButton::toggled, this, [this](bool on) {
        if (on) RB2Click();
    });
    connect(this, &QDialog::finished, this, &ResultsWindow::closingform);
    FollowLanguage(this, [this] { retranslate(); });
}

void ResultsWindow::retranslate() {
    setWindowTitle(tr("Výsledky..."));
    BitBtn1->setText(tr("OK"));
    RB1->setText(tr("Výsledky"));
    RB2->setText(tr("Rekordy"));
    save->setText(tr("Uložit..."));
    BitBtn2->setText(tr("Nápověda"));
    // The lines shown stay as they are for saving; only their reading changes.
    RichEdit1->clear();
    for (const std::string& line : shown_) RichEdit1->appendPlainText(TranslatedListingLine(line));
    RichEdit1->moveCursor(QTextCursor::Start);
}

void ResultsWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    // The rebuild runs once the window is up, so that its congratulations appear over it;
    // until then it shows nothing of the last showing.
    selectResultsOption();
    clear();
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (isVisible()) VypisVysl();
        },
        Qt::QueuedConnection);
}

void ResultsWindow::VypisVysl() {
    selectResultsOption();
    RebuildResults(state_, Records, files_, *this);
    RichEdit1->moveCursor(QTextCursor::Start);
    for (const EarnedClass& earned : std::exchange(classesEarned_, {}))
        showMessage(QMessageBox::NoIcon, tr("Gratulace !"), EarnedClassText(earned));
}

void ResultsWindow::RB1Click() {
    VypisVysl();
}

void ResultsWindow::RB2Click() {
    ShowRecords(Records, files_, *this);
    RichEdit1->moveCursor(QTextCursor::Start);
}

void ResultsWindow::BitBtn1Click() {
    accept();
}

void ResultsWindow::saveClick() {
    const QString name = askSaveFileName();
    if (name.isEmpty()) return;
    if (!files_.write(name.toStdString(), ExportText(shown_))) {
        showMessage(QMessageBox::Critical, tr("Chyba !"),
                    tr("Chyba při ukládání souboru !") + QLatin1Char('\n') +
                        QDir::toNativeSeparators(name));
    }
}

void ResultsWindow::BitBtn2Click() {
    ShowHelpTopic(QStringLiteral("mezivysledky"));
}

void ResultsWindow::closingform() {
    if (onClosing) onClosing();
}

QString ResultsWindow::askSaveFileName() {
    QFileDialog dialog(this, tr("Uložit jako"), QDir::currentPath(), tr("Prostý text (*.txt)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The name is used as typed, and an existing file is replaced without a question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles().value(0);
}

void ResultsWindow::showMessage(QMessageBox::Icon icon, const QString& caption,
                                const QString& text) {
    QMessageBox box(icon, caption, text, QMessageBox::Ok, this);
    box.exec();
}

void ResultsWindow::clear() {
    shown_.clear();
    RichEdit1->clear();
}

void ResultsWindow::appendLine(const std::string& line) {
    shown_.push_back(line);
    RichEdit1->appendPlainText(TranslatedListingLine(line));
}

void ResultsWindow::congratulate(const std::string& text) {
    showMessage(QMessageBox::NoIcon, tr("Gratulace !"), TranslatedGameText(text));
}

void ResultsWindow::selectResultsOption() {
    const QSignalBlocker blockRB1(RB1);
    const QSignalBlocker blockRB2(RB2);
    RB1->setChecked(true);
}
