#include "windows/ArcherEditor.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <algorithm>
#include <array>

#include "platform/QtCp1250Validator.h"
#include "platform/QtText.h"
#include "windows/DesignFont.h"
#include "windows/FollowLanguage.h"
#include "windows/FormControls.h"
#include "windows/HelpViewer.h"

namespace {

constexpr int kLowest = 5;
constexpr int kHighest = 94;

const QStringList kClubs = {
    QStringLiteral("1. KLK Karlštejn"),  QStringLiteral("Dukla Praha"),
    QStringLiteral("LC Škoda Plzeň"),    QStringLiteral("LK CHP Litvínov"),
    QStringLiteral("LK INGO Plzeň"),     QStringLiteral("LK Votice"),
    QStringLiteral("LK Rokycany"),       QStringLiteral("OP Prostějov"),
    QStringLiteral("SK Přerov"),         QStringLiteral("SK Slavia Praha"),
    QStringLiteral("SK Start Brno"),     QStringLiteral("SK Start Praha"),
    QStringLiteral("Sokol Kostelec"),    QStringLiteral("TJ Dynamo Liberec"),
    QStringLiteral("TJ Mariánské Hory"), QStringLiteral("TJ Sokol Vršovice"),
    QStringLiteral("VZO TSČ Mirošov"),
};

}  // namespace

TCSpinEdit::TCSpinEdit(QWidget* parent) : QSpinBox(parent) {
    setRange(kLowest, kHighest);
}

QValidator::State TCSpinEdit::validate(QString& input, int&) const {
    // Up to nine digits, so that any number typed still fits the record's 32 bits.
    static const QRegularExpression number(QStringLiteral("^[+-]?[0-9]{0,9}$"));
    if (!number.match(input).hasMatch()) return QValidator::Invalid;
    bool isNumber = false;
    const int value = input.toInt(&isNumber);
    return isNumber && value >= minimum() && value <= maximum() ? QValidator::Acceptable
                                                                : QValidator::Intermediate;
}

void TCSpinEdit::fixup(QString& input) const {
    bool isNumber = false;
    const int value = input.toInt(&isNumber);
    input = QString::number(isNumber ? std::clamp(value, minimum(), maximum()) : minimum());
}

ArcherEditor::ArcherEditor(QWidget* parent) : QDialog(parent) {
    setFont(DesignFont());
    setFixedSize(314, 294);

    Label1 = placeLabel(this, {}, {16, 16, 79, 13});
    Edit1 = new QLineEdit(this);
    Edit1->setGeometry(112, 16, 185, 21);
    Edit1->setValidator(new QtCp1250Validator(static_cast<int>(kNameLength), Edit1));

    Label6 = placeLabel(this, {}, {16, 56, 27, 13});
    ComboBox1 = new QComboBox(this);
    ComboBox1->setGeometry(112, 56, 185, 21);
    ComboBox1->setEditable(true);
    // A club typed and confirmed with Enter is not added to the list of clubs.
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->addItems(kClubs);
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->setValidator(new QtCp1250Validator(static_cast<int>(kClubLength), ComboBox1));

    GroupBox1 = new QGroupBox(this);
    GroupBox1->setGeometry(0, 96, 313, 129);
    Label2 = placeLabel(GroupBox1, QStringLiteral("90/70"), {88, 24, 29, 13});
    CSpinEdit1 = spinEdit(128, 24, 60);
    Label3 = placeLabel(GroupBox1, QStringLiteral("70/60"), {88, 48, 29, 13});
    CSpinEdit2 = spinEdit(128, 48, 75);
    Label4 = placeLabel(GroupBox1, QStringLiteral("50"), {88, 72, 12, 13});
    CSpinEdit3 = spinEdit(128, 72, 75);
    Label5 = placeLabel(GroupBox1, QStringLiteral("30"), {88, 96, 12, 13});
    CSpinEdit4 = spinEdit(128, 96, 85);

    BitBtn1 = placeButton(this, {}, QStyle::SP_DialogOkButton, {16, 248, 75, 25});
    BitBtn1->setDefault(true);
    BitBtn3 = placeButton(this, {}, QStyle::SP_MessageBoxQuestion, {112, 248, 89, 25});
    BitBtn2 = placeButton(this, {}, QStyle::SP_DialogCancelButton, {224, 248, 75, 25});

    connect(BitBtn1, &QPushButton::clicked, this, &ArcherEditor::BitBtn1Click);
    connect(BitBtn3, &QPushButton::clicked, this, &ArcherEditor::BitBtn3Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    FollowLanguage(this, [this] { retranslate(); });
}

void ArcherEditor::retranslate() {
    setWindowTitle(tr("Údaje o lukostřelci..."));
    setLabelCaption(Label1, tr("Příjmení, jméno :"));
    setLabelCaption(Label6, tr("Klub :"));
    GroupBox1->setTitle(tr("Výkonnost"));
    BitBtn1->setText(tr("OK"));
    BitBtn3->setText(tr("Nápověda"));
    BitBtn2->setText(tr("Storno"));
}

TCSpinEdit* ArcherEditor::spinEdit(int left, int top, int value) {
    auto* edit = new TCSpinEdit(GroupBox1);
    edit->setGeometry(left, top, 57, 22);
    edit->setValue(value);
    return edit;
}

void ArcherEditor::fill(const CompetitorRecord& competitor) {
    Edit1->setText(fromCp1250(competitor.Name));
    ComboBox1->setEditText(fromCp1250(competitor.Club));
    const std::array<TCSpinEdit*, 4> values = {CSpinEdit1, CSpinEdit2, CSpinEdit3, CSpinEdit4};
    for (std::size_t i = 0; i < values.size(); ++i) {
        values[i]->setValue(competitor.Performance[i]);  // the spin edit bounds it
    }
}

void ArcherEditor::showEvent(QShowEvent* event) {
    act();
    QDialog::showEvent(event);
}

void ArcherEditor::act() {
    Confirmed = 0;
}

void ArcherEditor::BitBtn1Click() {
    const std::array<TCSpinEdit*, 4> values = {CSpinEdit1, CSpinEdit2, CSpinEdit3, CSpinEdit4};
    // A value still being typed counts as it would on leaving its field.
    for (TCSpinEdit* value : values) value->interpretText();
    // A competitor without a name would be a free slot, listed as an empty line.
    if (Edit1->text().trimmed().isEmpty()) {
        QMessageBox::warning(this, tr("Chyba !"), tr("Zadejte příjmení a jméno lukostřelce !"));
        Edit1->setFocus();
        return;
    }
    if (SpareCompetitor != nullptr) {
        SpareCompetitor->Name = cp1250(Edit1->text());
        SpareCompetitor->Club = cp1250(ComboBox1->currentText());
        for (std::size_t i = 0; i < values.size(); ++i) {
            SpareCompetitor->Performance[i] = values[i]->value();
        }
    }
    Confirmed = 1;
    accept();
}

void ArcherEditor::BitBtn3Click() {
    ShowHelpTopic(QStringLiteral("strelci"));
}
