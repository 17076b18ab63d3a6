#include "app/common/appcontext.h"

#include <QDialog>

namespace yardmark {

int AppContext::runDialog(QDialog &dialog) const
{
    return m_runner ? m_runner(dialog) : dialog.exec();
}

} // namespace yardmark
