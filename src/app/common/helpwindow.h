#pragma once

#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace yardmark {

/// The user guide built into the program, opened at its contents. There is
/// one help window; asking again brings it forward at the contents.
class HelpWindow final : public QWidget {
    Q_OBJECT

public:
    /// The first page of the guide.
    static const QUrl &contentsUrl();

    /// Opens (or raises) the help window at the contents page.
    static HelpWindow *showContents(QWidget *owner);

    QTextBrowser *browser() const { return m_browser; }

private:
    explicit HelpWindow(QWidget *owner);

    QTextBrowser *m_browser = nullptr;
};

} // namespace yardmark
