// SPDX-License-Identifier: GPL-3.0-or-later
#include "walk/controlstate.h"

namespace walk {

ControlFlags enabledControls(const ControlState& state, bool plane) {
    using Phase = ControlState::Phase;
    const Phase p = state.phase;
    const bool idle = p == Phase::Idle;
    const bool walking = p == Phase::Armed || p == Phase::Running;
    const bool ended = p == Phase::Stopped || p == Phase::Complete;
    ControlFlags on{};
    const auto set = [&on](Control c, bool value) { on[static_cast<std::size_t>(c)] = value; };
    set(Control::HiddenStart, state.hiddenStartOn);
    set(Control::Prepare, false);
    set(Control::Exit, !walking);
    set(Control::Init, ended);
    set(Control::Graph, ended && state.graphOffered);
    set(Control::Start, idle || p == Phase::Stopped);
    set(Control::Stop, walking);
    set(Control::Help, !walking);
    set(Control::PlaneOption, !state.modeLocked || plane);
    set(Control::LinearOption, !state.modeLocked || !plane);
    return on;
}

} // namespace walk
