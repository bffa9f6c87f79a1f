// What screen readers are told about the window's controls where Qt's own accessibility interfaces
// tell them too little or the wrong thing.
#pragma once

namespace corvane {

//! Installs the program's accessibility interfaces; call it before the first widget is made.
//! Later calls do nothing.
//!
//! - A top-level window is a window named by its caption.
//! - A frame is named by its caption, offers only the controls shown in it, and labels those of
//!   them that no label of their own names.
//! - A combo box keeps the name it was given, on every desktop, and its text is its value.
//! - A line edit outside a combo box is labelled by its buddy labels alone where it has any; a
//!   read-only one that is empty reads as its placeholder text.
//! - A message box is an alert whose value is its whole message.
//! - The announcer is a notification named by its latest message.
//! - The application has its open popups (menus, lists) among its children.
void InstallAccessibleInterfaces();

}  // namespace corvane
