#pragma once

#include <optional>

namespace yardmark {

/// The ten radio buttons of the "Insert Play" chooser, in their order.
enum class InsertKind {
    KickOff,
    Punt,
    FieldGoal,
    ExtraPoint,
    Rush,
    Pass,
    OffensivePenalty,
    DefensivePenalty,
    HomeTimeOut,
    VisitorTimeOut,
};

/// The chooser's state: the checked radio button, none at first. OK with none
/// checked inserts a "No Play" record.
struct InsertPlayForm {
    std::optional<InsertKind> kind;
};

} // namespace yardmark
