#include "panel_fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace PanelFonts {

QString family()
{
    // Decided once: a family the system lacks would send every font through fontconfig's
    // fallback search, which costs more of the start-up than building all the controls.
    static const QString chosen =
        QFontDatabase::families().contains(QStringLiteral("MS Sans Serif"))
            ? QStringLiteral("MS Sans Serif")
            : QStringLiteral("Liberation Sans");
    return chosen;
}

namespace {

QFont face(int pixels, bool bold, bool italic = false)
{
    QFont f(family());
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

} // namespace

QFont font(PanelDesign::Kind kind, PanelDesign::Font role)
{
    using PanelDesign::Font;
    using PanelDesign::Kind;
    switch (role) {
    case Font::Plain:
        return face(smallPixels, false);
    case Font::Bold975:
        return face(mediumPixels, true);
    case Font::Regular975:
        return face(mediumPixels, false);
    case Font::Symbol:
    case Font::Standard:
        break;
    }
    switch (kind) {
    case Kind::Frame:
        return face(largePixels, true, true);
    case Kind::Input:
    case Kind::Result:
    case Kind::Button:
        return face(mediumPixels, true);
    case Kind::Combo:
        return face(smallPixels, false);
    case Kind::Label:
    case Kind::Warning:
    case Kind::Line:
    case Kind::Picture:
        break;
    }
    return face(smallPixels, true);
}

} // namespace PanelFonts
