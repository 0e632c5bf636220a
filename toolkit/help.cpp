#include "toolkit/help.h"

#include "toolkit/language.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace morvel::toolkit {

namespace {

const QString contents = QStringLiteral("index");

/// The page in the language on screen where the manual has it in that
/// language, else in English.
QUrl pageUrl(const QString& page)
{
    if (const QString language = languageCode(); !language.isEmpty()) {
        const QString translated = QStringLiteral("/manual/%1/%2.md").arg(language, page);
        if (QFile::exists(u':' + translated))
            return QUrl(QStringLiteral("qrc") + u':' + translated);
    }
    return QUrl(QStringLiteral("qrc:/manual/%1.md").arg(page));
}

/// A browser that keeps to the manual: pages outside it are not fetched.
class ManualBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

    void doSetSource(const QUrl& url, QTextDocument::ResourceType type) override
    {
        if (url.scheme() == u"qrc" || url.isRelative())
            QTextBrowser::doSetSource(url, url.path().endsWith(u".md") ? QTextDocument::MarkdownResource : type);
        else
            setToolTip(tr("Not part of the manual: %1").arg(url.toString()));
    }
};

class HelpWindow : public QWidget {
public:
    HelpWindow()
    {
        setObjectName(QStringLiteral("helpf"));
        setWindowTitle(QApplication::translate("Help", "Morvel Help"));
        browser = new ManualBrowser;
        browser->setObjectName(QStringLiteral("manual"));
        browser->setOpenLinks(true);
        browser->setOpenExternalLinks(false);
        browser->setAccessibleName(QApplication::translate("Help", "Manual page"));
        auto* back = new QPushButton(QApplication::translate("Help", "&Back"));
        auto* forward = new QPushButton(QApplication::translate("Help", "&Forward"));
        auto* home = new QPushButton(QApplication::translate("Help", "&Contents"));
        auto* close = new QPushButton(QApplication::translate("Help", "Close"));
        back->setEnabled(false);
        forward->setEnabled(false);
        connect(back, &QPushButton::clicked, browser, &QTextBrowser::backward);
        connect(forward, &QPushButton::clicked, browser, &QTextBrowser::forward);
        connect(home, &QPushButton::clicked, this, [this] { browser->setSource(pageUrl(contents)); });
        connect(close, &QPushButton::clicked, this, &QWidget::close);
        connect(browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
        connect(browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
        auto* buttons = new QHBoxLayout;
        for (QPushButton* b : {back, forward, home})
            buttons->addWidget(b);
        buttons->addStretch();
        buttons->addWidget(close);
        auto* layout = new QVBoxLayout(this);
        layout->addLayout(buttons);
        layout->addWidget(browser);
        resize(720, 640);
    }

    QTextBrowser* browser;
};

QPointer<HelpWindow> window;

}  // namespace

QString helpPageOf(const QString& windowName)
{
    static const std::pair<const char*, const char*> pages[] = {
        {"morvelf", "main-menu"},       {"locddf", "decimal-degrees"}, {"locdmf", "degrees-minutes"},
        {"gcsf", "great-circle"},       {"sightf", "sight-window"},    {"compassf", "compass-window"},
    };
    for (const auto& [name, page] : pages)
        if (windowName == QLatin1String(name))
            return QLatin1String(page);
    return contents;
}

QTextBrowser& showHelp(const QString& page)
{
    if (!window)
        window = new HelpWindow;
    window->browser->setSource(pageUrl(page), QTextDocument::MarkdownResource);
    window->show();
    window->raise();
    window->activateWindow();
    return *window->browser;
}

QTextBrowser* helpBrowser()
{
    return window ? window->browser : nullptr;
}

}  // namespace morvel::toolkit
