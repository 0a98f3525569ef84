#include "windows/ArcherListDialog.h"

#include <QFileDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include "platform/QtText.h"
#include "rules/competitors/CompetitorFile.h"
#include "rules/competitors/NameOrder.h"
#include "windows/DesignFont.h"
#include "windows/FollowLanguage.h"
#include "windows/FormControls.h"
#include "windows/HelpViewer.h"

namespace {

// A line of the list: it keeps the name's own bytes, so that the line finds its slot exactly,
// and sorts itself by the Czech order of the names.
class NameLine final : public QListWidgetItem {
  public:
    explicit NameLine(std::string name)
        : QListWidgetItem(fromCp1250(name)), name_(std::move(name)) {}
    const std::string& name() const { return name_; }
    bool operator<(const QListWidgetItem& other) const override {
        return NameLess(name_, static_cast<const NameLine&>(other).name_);
    }

  private:
    std::string name_;
};

class RealFilePrompts final : public ArcherFilePrompts {
  public:
    QString chooseFileToLoad(QWidget* parent, const QString& filter) override {
        return QFileDialog::getOpenFileName(parent, ArcherListDialog::tr("Otevřít"),
                                            QStringLiteral("."), filter);
    }
    QString chooseFileToSave(QWidget* parent, const QString& filter) override {
        // The name is used as typed, and an existing file is replaced without asking.
        return QFileDialog::getSaveFileName(parent, ArcherListDialog::tr("Uložit jako"),
                                            QStringLiteral("."), filter, nullptr,
                                            QFileDialog::DontConfirmOverwrite);
    }
    void showError(QWidget* parent, const QString& text) override {
        QMessageBox::critical(parent, ArcherListDialog::tr("Chyba !"), text);
    }
};

QString fileFilter() {
    return ArcherListDialog::tr("Lukostřelci (*.luk);;Všechny soubory (*)");
}

}  // namespace

ArcherListDialog::ArcherListDialog(FileStore& files, QWidget* parent)
    : QDialog(parent),
      files_(files),
      ownPrompts_(std::make_unique<RealFilePrompts>()),
      prompts_(ownPrompts_.get()) {
    setFont(DesignFont());
    setFixedSize(397, 194);

    ListBox1 = new QListWidget(this);
    ListBox1->setGeometry(0, 8, 265, 89);
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->setSortingEnabled(true);

    Addarch = placeButton(this, {}, QStyle::SP_DialogIgnoreButton, {296, 8, 75, 25});
    Editarch = placeButton(this, {}, QStyle::SP_DialogIgnoreButton, {296, 32, 75, 25});
    Removearch = placeButton(this, {}, QStyle::SP_DialogAbortButton, {296, 56, 75, 25});
    Cleararch = placeButton(this, {}, QStyle::SP_DialogAbortButton, {296, 80, 75, 25});
    Komp = placeRadio(this, {}, {16, 112, 113, 17});
    Human = placeRadio(this, {}, {152, 112, 113, 17});
    Komp->setChecked(true);
    Button1 = placeButton(this, {}, {296, 128, 75, 25});
    Button2 = placeButton(this, {}, {296, 152, 75, 25});
    Okarch = placeButton(this, {}, QStyle::SP_DialogOkButton, {13, 152, 75, 25});
    Okarch->setDefault(true);
    BitBtn1 = placeButton(this, {}, QStyle::SP_MessageBoxQuestion, {93, 152, 89, 25});
    Sornoarch = placeButton(this, {}, QStyle::SP_DialogCancelButton, {186, 152, 75, 25});

    // The selection changes by mouse, by the arrow keys and by typing a name's first letters.
    connect(ListBox1, &QListWidget::itemSelectionChanged, this, &ArcherListDialog::klik);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &ArcherListDialog::dlbklik);
    connect(Komp, &QRadioButton::clicked, this, &ArcherListDialog::KompClick);
    connect(Human, &QRadioButton::clicked, this, &ArcherListDialog::HumanClick);
    connect(Button1, &QPushButton::clicked, this, &ArcherListDialog::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &ArcherListDialog::Button2Click);
    connect(Addarch, &QPushButton::clicked, this, &ArcherListDialog::AddarchClick);
    connect(Editarch, &QPushButton::clicked, this, &ArcherListDialog::EditarchClick);
    connect(Removearch, &QPushButton::clicked, this, &ArcherListDialog::RemovearchClick);
    connect(Cleararch, &QPushButton::clicked, this, &ArcherListDialog::CleararchClick);
    connect(Okarch, &QPushButton::clicked, this, &ArcherListDialog::OkarchClick);
    connect(Sornoarch, &QPushButton::clicked, this, &ArcherListDialog::SornoarchClick);
    connect(BitBtn1, &QPushButton::clicked, this, &ArcherListDialog::BitBtn1Click);
    FollowLanguage(this, [this] { retranslate(); });
}

void ArcherListDialog::retranslate() {
    setWindowTitle(tr("Lukostřelci..."));
    Addarch->setText(tr("Přidat"));
    Editarch->setText(tr("Editovat"));
    Removearch->setText(tr("Odebrat"));
    Cleararch->setText(tr("Vymazat"));
    setRadioCaption(Komp, tr("Počítač"));
    setRadioCaption(Human, tr("Člověk"));
    Button1->setText(tr("Načíst..."));
    Button2->setText(tr("Uložit..."));
    Okarch->setText(tr("OK"));
    BitBtn1->setText(tr("Nápověda"));
    Sornoarch->setText(tr("Storno"));
}

ArcherListDialog::~ArcherListDialog() = default;

void ArcherListDialog::setFilePrompts(ArcherFilePrompts* prompts) {
    prompts_ = prompts != nullptr ? prompts : ownPrompts_.get();
}

void ArcherListDialog::fillList(const CompetitorTable& table) {
    ListBox1->clear();
    for (const CompetitorRecord& c : table) {
        if (!c.isFree()) addLine(c.Name);
    }
}

void ArcherListDialog::addLine(const std::string& name) {
    ListBox1->addItem(new NameLine(name));
}

std::optional<std::string> ArcherListDialog::takeSelectedLine() {
    const QList<QListWidgetItem*> selected = ListBox1->selectedItems();
    if (selected.isEmpty()) return std::nullopt;
    std::unique_ptr<QListWidgetItem> line(ListBox1->takeItem(ListBox1->row(selected.first())));
    // As in the list boxes the player knows, no other line is selected in its place.
    ListBox1->clearSelection();
    return static_cast<NameLine&>(*line).name();
}

void ArcherListDialog::showEvent(QShowEvent* event) {
    action();
    QDialog::showEvent(event);
}

// Every way of closing but the command buttons means cancel.
void ArcherListDialog::action() {
    Command = kListCancel;
}

CompetitorRecord* ArcherListDialog::selectedCompetitor() {
    const QList<QListWidgetItem*> selected = ListBox1->selectedItems();
    if (selected.isEmpty() || table_ == nullptr) return nullptr;
    const std::string& name = static_cast<NameLine*>(selected.first())->name();
    const std::optional<int32_t> slot = FindCompetitor(*table_, name);
    return slot ? &(*table_)[*slot] : nullptr;
}

void ArcherListDialog::showKind(const CompetitorRecord& competitor) {
    (competitor.IsComputer ? Komp : Human)->setChecked(true);
}

void ArcherListDialog::klik() {
    if (CompetitorRecord* c = selectedCompetitor()) showKind(*c);
}

void ArcherListDialog::dlbklik() {
    klik();
    if (CompetitorRecord* c = selectedCompetitor()) {
        c->IsComputer = !c->IsComputer;
        showKind(*c);
    }
}

void ArcherListDialog::KompClick() {
    if (CompetitorRecord* c = selectedCompetitor()) c->IsComputer = true;
}

void ArcherListDialog::HumanClick() {
    if (CompetitorRecord* c = selectedCompetitor()) c->IsComputer = false;
}

void ArcherListDialog::Button1Click() {
    const QString path = prompts_->chooseFileToLoad(this, fileFilter());
    if (path.isEmpty() || table_ == nullptr) return;
    if (LoadCompetitors(files_, path.toStdString(), *table_) != FileResult::Done) {
        prompts_->showError(this, tr("Chyba při načítání ze souboru !"));
        return;
    }
    fillList(*table_);
}

void ArcherListDialog::Button2Click() {
    const QString path = prompts_->chooseFileToSave(this, fileFilter());
    if (path.isEmpty() || table_ == nullptr) return;
    if (SaveCompetitors(files_, path.toStdString(), *table_) != FileResult::Done) {
        prompts_->showError(this, tr("Chyba při ukládání souboru !"));
    }
}

void ArcherListDialog::finish(int32_t command) {
    Command = command;
    accept();
}

void ArcherListDialog::AddarchClick() {
    finish(kListAdd);
}

void ArcherListDialog::EditarchClick() {
    const CompetitorRecord* c = selectedCompetitor();
    EditIndex = c != nullptr ? static_cast<int32_t>(c - table_->data()) : kNoSlot;
    finish(kListEdit);
}

void ArcherListDialog::RemovearchClick() {
    finish(kListRemove);
}
void ArcherListDialog::CleararchClick() {
    finish(kListRemoveAll);
}
void ArcherListDialog::OkarchClick() {
    finish(kListStart);
}

void ArcherListDialog::SornoarchClick() {
    Command = kListCancel;
    reject();
}

void ArcherListDialog::BitBtn1Click() {
    ShowHelpTopic(QStringLiteral("strelci"));
}
