#include "panel_fonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

namespace PanelFonts {

namespace {

const QString designFace = QStringLiteral("MS Sans Serif");
const QString fallbackFace = QStringLiteral("Liberation Sans");

// The design's face counts only where it can also be drawn bold at the label size: a bitmap
// face without a bold cut would turn every bold caption regular.
bool designFaceUsable(const QStringList &families)
{
    if (!families.contains(designFace))
        return false;
    QFont bold(designFace);
    bold.setPixelSize(smallPixels);
    bold.setBold(true);
    const QFontInfo info(bold);
    return info.family() == designFace && info.bold();
}

// Where the system has neither face (a bare Windows), the faces shipped beside the program.
void loadShippedFaces()
{
    const QDir folder(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
    for (const QString &file : folder.entryList({QStringLiteral("*.ttf")}, QDir::Files))
        QFontDatabase::addApplicationFont(folder.filePath(file));
}

} // namespace

QString family()
{
    // Decided once: a family the system lacks would send every font through fontconfig's
    // fallback search, which costs more of the start-up than building all the controls.
    static const QString chosen = [] {
        const QStringList families = QFontDatabase::families();
        if (designFaceUsable(families))
            return designFace;
        if (!families.contains(fallbackFace))
            loadShippedFaces();
        return fallbackFace;
    }();
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
