#include "windows/HelpViewer.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <utility>

#include "platform/BoundedRead.h"
#include "platform/Translations.h"
#include "rules/controls/ControlHints.h"
#include "windows/FollowLanguage.h"

namespace {

const QString kHelpFile = QStringLiteral("Brantel2.hlp");
// The help of another language than Czech is built into the program, one folder a language.
const QString kTranslatedHelp = QStringLiteral(":/help/%1/Brantel2.hlp");
// The help is a few tens of kilobytes; past this a file is shown only as far as it goes.
constexpr qint64 kLargestHelpFile = 4 * 1024 * 1024;

// The help in the interface's language: Czech is the game folder's own file; a language whose
// help is missing gets that too.
QString helpFile() {
    const QString translated = kTranslatedHelp.arg(QString::fromStdString(SpokenLanguage()));
    return QFile::exists(translated) ? translated : kHelpFile;
}

HelpControlNames& controlNames() {
    static HelpControlNames names;
    return names;
}

bool hasAnchor(const QTextDocument& document, const QString& name) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().anchorNames().contains(name)) return true;
        }
    }
    return false;
}

// One window for the whole game, kept between uses; it is given to the modal dialog that asks,
// so that it can be read and scrolled while that dialog waits.
class HelpWindow final : public QWidget {
  public:
    explicit HelpWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
        setObjectName(QStringLiteral("HelpViewer"));
        // An open help window must not keep the game running once the main window is closed.
        setAttribute(Qt::WA_QuitOnClose, false);
        resize(600, 500);

        contents_ = new QPushButton(this);
        auto* close = new QPushButton(this);
        close_ = close;
        notice_ = new QLabel(this);
        notice_->setObjectName(QStringLiteral("notice"));
        notice_->setTextFormat(Qt::PlainText);
        notice_->setWordWrap(true);
        notice_->hide();
        browser_ = new QTextBrowser(this);
        browser_->setOpenLinks(true);
        browser_->setOpenExternalLinks(false);

        auto* buttons = new QHBoxLayout;
        buttons->addWidget(contents_);
        buttons->addStretch();
        buttons->addWidget(close);
        auto* layout = new QVBoxLayout(this);
        layout->addLayout(buttons);
        layout->addWidget(notice_);
        layout->addWidget(browser_);

        connect(contents_, &QPushButton::clicked, this, [this] { showContents(); });
        connect(close, &QPushButton::clicked, this, &QWidget::hide);
        connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this,
                &QWidget::hide);
        FollowLanguage(this, [this] {
            retranslate();
            // The help of the new language, from its contents.
            if (isVisible()) showContents();
        });
    }

    void present() {
        show();
        raise();
        activateWindow();
    }

    // Reads the help file afresh and shows its beginning; a missing file is said in the viewer.
    bool showContents() {
        notice_->hide();
        const QString file = helpFile();
        const auto read = ReadFileStart(file, kLargestHelpFile);
        if (!read) {
            browser_->setHtml(QCoreApplication::translate(
                                  "HelpViewer",
                                  "<h2>Nápověda není k dispozici</h2><p>Soubor nápovědy „%1“ "
                                  "nebyl ve složce hry nalezen nebo jej nelze přečíst.</p>")
                                  .arg(kHelpFile));
            return false;
        }
        const QByteArray& bytes = *read;
        QStringDecoder decoder = QStringDecoder::decoderForHtml(bytes);
        if (!decoder.isValid()) decoder = QStringDecoder(QStringDecoder::Utf8);
        QString html = decoder(bytes);
        if (controlNames()) {
            html = QString::fromStdString(FillControlHints(html.toStdString(), controlNames()));
        }
        browser_->setHtml(html);
        browser_->verticalScrollBar()->setValue(0);
        return true;
    }

    void showTopic(const QString& key) {
        if (hasAnchor(*browser_->document(), key)) {
            browser_->scrollToAnchor(key);
            return;
        }
        notice_->setText(QCoreApplication::translate(
                             "HelpViewer", "Téma „%1“ v nápovědě není, zobrazuje se obsah.")
                             .arg(key));
        notice_->show();
    }

  private:
    void retranslate() {
        setWindowTitle(QCoreApplication::translate("HelpViewer", "Nápověda – VEXA 99"));
        contents_->setText(QCoreApplication::translate("HelpViewer", "Obsah"));
        close_->setText(QCoreApplication::translate("HelpViewer", "Zavřít"));
    }

    QPushButton* contents_;
    QPushButton* close_;
    QTextBrowser* browser_;
    QLabel* notice_;
};

QPointer<HelpWindow> theWindow;

HelpWindow& helpWindow() {
    QWidget* owner = QApplication::activeModalWidget();
    if (!theWindow) {
        theWindow = new HelpWindow(owner);
    } else if (theWindow->parentWidget() != owner) {
        const QRect where = theWindow->geometry();
        theWindow->setParent(owner, Qt::Window);
        theWindow->setGeometry(where);
    }
    return *theWindow;
}

}  // namespace

void ShowHelpTopic(const QString& key) {
    HelpWindow& window = helpWindow();
    window.present();
    if (window.showContents()) window.showTopic(key);
}

void ShowHelpContents() {
    HelpWindow& window = helpWindow();
    window.present();
    window.showContents();
}

void SetHelpControlNames(HelpControlNames names) {
    controlNames() = std::move(names);
}
