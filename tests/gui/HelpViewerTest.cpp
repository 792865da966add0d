#include "gui/HelpViewer.h"

#include <QApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextFragment>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

namespace {

QTextBrowser* browserOf(QWidget* window)
{
    return window ? window->findChild<QTextBrowser*>() : nullptr;
}

QPushButton* buttonOf(QWidget* window, const QString& text)
{
    for (QPushButton* button : window->findChildren<QPushButton*>())
        if (button->text() == text)
            return button;
    return nullptr;
}

int scrollPosition(QWidget* window)
{
    return browserOf(window)->verticalScrollBar()->value();
}

// Clicks the first link of the page with the mouse, as a reader would.
QString clickFirstLink(QTextBrowser* browser)
{
    const QTextDocument* document = browser->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QString href = fragment.charFormat().anchorHref();
            if (href.isEmpty())
                continue;
            QTextCursor cursor(browser->document());
            cursor.setPosition(fragment.position() + 1);
            const QPoint point = browser->cursorRect(cursor).center();
            QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, point);
            return href;
        }
    }
    return {};
}

class HelpViewerTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        viewer.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    std::unique_ptr<HelpViewer> viewer = std::make_unique<HelpViewer>();
    QWidget owner;
};

struct Document {
    const char* name;
    const char* file;
    const char* title;
};

void PrintTo(const Document& document, std::ostream* out)
{
    *out << document.file;
}

class HelpViewerDocument : public HelpViewerTest,
                           public ::testing::WithParamInterface<Document> {};

TEST_P(HelpViewerDocument, OpensAtTheContentsAndComesBackToThemOnASecondRequest)
{
    const Document& document = GetParam();
    viewer->showContents(document.file, &owner);

    QWidget* window = viewer->window(document.file);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isWindow());
    EXPECT_EQ(window->parentWidget(), &owner);
    EXPECT_EQ(window->windowTitle().toStdString(), document.title);
    QTextBrowser* browser = browserOf(window);
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(browser->toPlainText().startsWith(document.title));
    EXPECT_EQ(scrollPosition(window), 0);
    EXPECT_FALSE(buttonOf(window, "&Back")->isEnabled());

    const QString followed = clickFirstLink(browser);
    ASSERT_FALSE(followed.isEmpty());
    EXPECT_GT(scrollPosition(window), 0) << "link " << followed.toStdString() << " not followed";
    const int topicPosition = scrollPosition(window);
    EXPECT_TRUE(buttonOf(window, "&Back")->isEnabled());

    viewer->showContents(document.file, &owner);
    EXPECT_EQ(viewer->window(document.file), window) << "a second window was opened";
    EXPECT_EQ(scrollPosition(window), 0);
    EXPECT_TRUE(browser->toPlainText().startsWith(document.title));

    buttonOf(window, "&Back")->click();
    EXPECT_EQ(scrollPosition(window), topicPosition);

    buttonOf(window, "&Contents")->click();
    EXPECT_EQ(scrollPosition(window), 0);
}

INSTANTIATE_TEST_SUITE_P(
    HelpWindow, HelpViewerDocument,
    ::testing::Values(Document{"Program", "valkora.hlp", "Valkora Help"},
                      Document{"Viewer", "WINHELP.HLP", "Using Help"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HelpViewerTest, CloseDestroysOnlyThatDocumentsWindow)
{
    viewer->showContents("valkora.hlp", &owner);
    viewer->showContents("WINHELP.HLP", &owner);
    QPointer<QWidget> program = viewer->window("valkora.hlp");
    QPointer<QWidget> usingHelp = viewer->window("WINHELP.HLP");
    ASSERT_TRUE(program && usingHelp);
    ASSERT_NE(program, usingHelp);

    viewer->close("valkora.hlp");
    EXPECT_TRUE(program.isNull());
    EXPECT_EQ(viewer->window("valkora.hlp"), nullptr);
    EXPECT_EQ(viewer->window("WINHELP.HLP"), usingHelp);
    EXPECT_TRUE(usingHelp->isVisible());

    viewer->close("valkora.hlp");
    EXPECT_EQ(viewer->window("WINHELP.HLP"), usingHelp);

    viewer->showContents("valkora.hlp", &owner);
    EXPECT_NE(viewer->window("valkora.hlp"), nullptr);
}

TEST_F(HelpViewerTest, CloseOfAFileNeverOpenedDoesNothing)
{
    viewer->close("valkora.hlp");
    viewer->close("nothing.hlp");
    EXPECT_EQ(viewer->window("valkora.hlp"), nullptr);

    viewer->showContents("WINHELP.HLP", &owner);
    viewer->close("valkora.hlp");
    viewer->close("nothing.hlp");
    EXPECT_NE(viewer->window("WINHELP.HLP"), nullptr);
}

TEST_F(HelpViewerTest, UnknownFileOpensNothing)
{
    const auto before = QApplication::topLevelWidgets().size();
    viewer->showContents("nothing.hlp", &owner);
    viewer->showContents("", nullptr);
    EXPECT_EQ(viewer->window("nothing.hlp"), nullptr);
    EXPECT_EQ(owner.findChildren<QWidget*>().size(), 0);
    EXPECT_EQ(QApplication::topLevelWidgets().size(), before);
}

TEST_F(HelpViewerTest, WindowClosedByTheReaderIsForgottenAndOpensAgain)
{
    viewer->showContents("valkora.hlp", &owner);
    QPointer<QWidget> first = viewer->window("valkora.hlp");
    ASSERT_TRUE(first);

    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(viewer->window("valkora.hlp"), nullptr);

    viewer->showContents("valkora.hlp", &owner);
    QWidget* second = viewer->window("valkora.hlp");
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(scrollPosition(second), 0);
}

TEST_F(HelpViewerTest, EscapeClosesTheWindow)
{
    viewer->showContents("WINHELP.HLP", nullptr);
    QPointer<QWidget> window = viewer->window("WINHELP.HLP");
    ASSERT_TRUE(window);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));

    QTest::keyClick(browserOf(window), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

TEST_F(HelpViewerTest, WindowGoesWithItsOwner)
{
    auto owner = std::make_unique<QWidget>();
    viewer->showContents("valkora.hlp", owner.get());
    ASSERT_NE(viewer->window("valkora.hlp"), nullptr);

    owner.reset();
    EXPECT_EQ(viewer->window("valkora.hlp"), nullptr);
    viewer->close("valkora.hlp");
}

TEST_F(HelpViewerTest, LinksOutsideTheDocumentLeadNowhere)
{
    viewer->showContents("valkora.hlp", &owner);
    QTextBrowser* browser = browserOf(viewer->window("valkora.hlp"));
    const QUrl source = browser->source();
    const QString text = browser->toPlainText();

    for (const char* address : {"https://example.org/", "file:///etc/hostname", "other.hlp",
                                "valkora.hlp", "help:WINHELP.HLP"}) {
        browser->setSource(QUrl(address));
        EXPECT_EQ(browser->source(), source) << address;
        EXPECT_EQ(browser->toPlainText(), text) << address;
    }
}

} // namespace
