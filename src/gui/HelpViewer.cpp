#include "gui/HelpViewer.h"

#include "resources/HelpDocuments.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

// A browser that knows only its own document. The document is loaded through a "help:"
// address rather than setHtml() so that the browser keeps a history (Back) from the first
// page on, and so that a file of the same name in the working folder is never looked at.
class HelpBrowser : public QTextBrowser {
public:
    HelpBrowser(const HelpDocument& document, QWidget* parent)
        : QTextBrowser(parent), document(document),
          address(QUrl("help:" + QString::fromStdString(document.fileName)))
    {
        setOpenExternalLinks(false);
    }

    void showContents() { setSource(address, QTextDocument::HtmlResource); }

protected:
    QVariant loadResource(int type, const QUrl& name) override
    {
        if (type == QTextDocument::HtmlResource && isOwnDocument(name))
            return QString::fromStdString(document.html);
        return {};
    }

    // Links to anything outside the document lead nowhere: no other page is shown and no
    // outside program is started.
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override
    {
        if (isOwnDocument(name))
            QTextBrowser::doSetSource(name, type);
    }

private:
    bool isOwnDocument(const QUrl& name) const
    {
        return name.adjusted(QUrl::RemoveFragment) == address;
    }

    const HelpDocument& document;
    const QUrl address;
};

QWidget* makeWindow(const HelpDocument& document, QWidget* owner)
{
    auto* window = new QWidget(owner, Qt::Window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(QString::fromStdString(document.title));
    window->resize(560, 480);

    auto* contents = new QPushButton(QStringLiteral("&Contents"), window);
    auto* back = new QPushButton(QStringLiteral("&Back"), window);
    contents->setAutoDefault(false);
    back->setAutoDefault(false);
    back->setEnabled(false);
    auto* browser = new HelpBrowser(document, window);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(window);
    layout->addLayout(buttons);
    layout->addWidget(browser);

    QObject::connect(contents, &QPushButton::clicked, browser, &HelpBrowser::showContents);
    QObject::connect(back, &QPushButton::clicked, browser, &QTextBrowser::backward);
    QObject::connect(browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    QObject::connect(escape, &QShortcut::activated, window, &QWidget::close);

    browser->setFocus();
    return window;
}

HelpBrowser* browserOf(QWidget* window)
{
    return window->findChild<HelpBrowser*>();
}

} // namespace

HelpViewer::HelpViewer() = default;

HelpViewer::~HelpViewer()
{
    for (auto& [file, window] : windows)
        delete window.data();
}

void HelpViewer::showContents(const std::string& helpFile, QWidget* owner)
{
    const HelpDocument* document = helpDocument(helpFile);
    if (!document)
        return;
    QPointer<QWidget>& window = windows[helpFile];
    if (!window)
        window = makeWindow(*document, owner);
    browserOf(window)->showContents();
    window->show();
    window->raise();
    window->activateWindow();
}

void HelpViewer::close(const std::string& helpFile)
{
    const auto found = windows.find(helpFile);
    if (found == windows.end())
        return;
    delete found->second.data();
    windows.erase(found);
}

QWidget* HelpViewer::window(const std::string& helpFile) const
{
    const auto found = windows.find(helpFile);
    return found == windows.end() ? nullptr : found->second.data();
}
