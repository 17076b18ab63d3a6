#include "app/common/helpwindow.h"

#include "app/common/bitmaps.h"

#include <QPointer>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

namespace yardmark {

const QUrl &HelpWindow::contentsUrl()
{
    static const QUrl url(QStringLiteral("qrc:/help/index.html"));
    return url;
}

HelpWindow::HelpWindow(QWidget *owner) : QWidget(owner, Qt::Window)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Football Yardmark Help"));
    setWindowIcon(programIcon());
    resize(720, 560);

    m_browser = new QTextBrowser;
    // Pages of the guide stay here; web links go to the browser.
    m_browser->setOpenExternalLinks(true);
    // The guide's pages are laid out like paper, dark on white (their style
    // sheet colours the links); night colours would put light text on their
    // light headings.
    QPalette page = m_browser->palette();
    page.setColor(QPalette::Base, Qt::white);
    page.setColor(QPalette::Text, Qt::black);
    m_browser->setPalette(page);
    auto *tools = new QToolBar;
    QAction *contents = tools->addAction(QStringLiteral("&Contents"));
    QAction *back = tools->addAction(QStringLiteral("&Back"));
    QAction *forward = tools->addAction(QStringLiteral("&Forward"));
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(contents, &QAction::triggered, m_browser, [this] { m_browser->setSource(contentsUrl()); });
    connect(back, &QAction::triggered, m_browser, &QTextBrowser::backward);
    connect(forward, &QAction::triggered, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = m_browser->documentTitle();
        setWindowTitle(title.isEmpty() ? QStringLiteral("Football Yardmark Help")
                                       : QStringLiteral("Football Yardmark Help - ") + title);
    });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tools);
    layout->addWidget(m_browser);
}

HelpWindow *HelpWindow::showContents(QWidget *owner)
{
    static QPointer<HelpWindow> window;
    if (!window)
        window = new HelpWindow(owner);
    window->m_browser->setSource(contentsUrl());
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

} // namespace yardmark
