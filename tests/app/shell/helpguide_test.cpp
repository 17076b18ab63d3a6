#include "app/common/helpwindow.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace yardmark {
namespace {

QString page(const QString &name)
{
    QFile file(QStringLiteral(":/help/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return QString::fromUtf8(file.readAll());
}

TEST(HelpGuideTest, EveryPageHasATitleAndEveryLinkAndPictureWithinTheGuideIsThere)
{
    const QStringList pages = QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")});
    ASSERT_GE(pages.size(), 6);
    EXPECT_TRUE(pages.contains(QStringLiteral("index.html")));
    const QRegularExpression link(QStringLiteral("(?:href|src)=\"([^\"#]*)(#[^\"]*)?\""));
    for (const QString &name : pages) {
        const QString text = page(name);
        EXPECT_TRUE(text.contains(QStringLiteral("<title>"))) << name.toStdString();
        for (const QRegularExpressionMatch &m : link.globalMatch(text)) {
            const QString target = m.captured(1);
            if (target.isEmpty() || target.contains(QLatin1Char(':')))
                continue; // same page or the web
            EXPECT_TRUE(QFile::exists(QStringLiteral(":/help/") + target))
                << name.toStdString() << " links to " << target.toStdString();
        }
    }
}

TEST(HelpGuideTest, ContentsLeadsToEveryPage)
{
    const QString contents = page(QStringLiteral("index.html"));
    for (const QString &name : QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")})) {
        if (name != QLatin1String("index.html")) {
            EXPECT_TRUE(contents.contains(QStringLiteral("href=\"") + name)) << name.toStdString();
        }
    }
}

TEST(HelpGuideTest, OpensAtTheContents)
{
    HelpWindow *help = HelpWindow::showContents(nullptr);
    EXPECT_EQ(help->browser()->source(), HelpWindow::contentsUrl());
    EXPECT_EQ(help->browser()->documentTitle(), QStringLiteral("Contents"));
    EXPECT_TRUE(help->browser()->toPlainText().contains(QStringLiteral("Recording each kind of play")));
    help->close();
}

} // namespace
} // namespace yardmark
