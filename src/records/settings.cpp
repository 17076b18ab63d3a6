#include "settings.h"

namespace yardmark {

void setDefaults(Settings &settings)
{
    settings = Settings{};
}

} // namespace yardmark
