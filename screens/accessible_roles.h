#pragma once

// Screen readers skip what has no role of its own: a plain widget is a filler to them. The
// game's own widgets get theirs here.
namespace accessible_roles {

/// Installs, once per program, the factory that makes the pictures (image controls and the
/// gauge) images and the announcer a notification for assistive technology. Each of those
/// widgets calls it before anything can ask for its accessible interface.
void install();

} // namespace accessible_roles
