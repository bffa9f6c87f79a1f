// The one choice of a typeface among those installed, for the window and the printed list alike.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

namespace corvane {

//! Arial, then Liberation Sans and Arimo, which have its metrics where the Windows fonts are not
//! installed.
QStringList ArialOrLookAlikes();

//! The first of the wished-for families that is among the installed ones, compared without case;
//! an empty text, for the desktop's own font, when none is. A font given one installed family is
//! found directly; a list, or a family that is not installed, makes the font database ask for a
//! whole fallback list every time a font is first used. The names are compared as they are:
//! resolving aliases would ask the font configuration again.
QString InstalledFamily(const QStringList& wishes, const QStringList& installed);

//! The same among the families installed now.
QString InstalledFamily(const QStringList& wishes);

//! A font of that one family (the desktop's own for an empty text), sans serif where it lacks a
//! glyph, with unhinted glyphs: they keep the typeface's own widths, the ones a fixed layout or
//! a printed page was measured with, and they are quicker to render. The caller sets the size.
QFont UnhintedFont(const QString& family, bool bold, bool italic = false);

//! The printed documents' font: the family (InstalledFamily(ArialOrLookAlikes()), chosen once
//! per document) at the size in points.
QFont DocumentFont(const QString& family, double points, bool bold, bool italic = false);

}  // namespace corvane
