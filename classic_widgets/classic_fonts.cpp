#include "classic_fonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

namespace ClassicFonts {

namespace {

const QString designFace = QStringLiteral("MS Sans Serif");
const QString fallbackFace = QStringLiteral("Liberation Sans");

QFont face(double points, bool bold, bool italic, const QString &family)
{
    QFont f(family);
    f.setPixelSize(qRound(points * 96 / 72));
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

// The design's face counts only where it can also be drawn bold at the label size: a bitmap
// face without a bold cut would turn every bold caption regular.
bool designFaceUsable(const QStringList &families)
{
    if (!families.contains(designFace))
        return false;
    const QFont bold = face(8.25, true, false, designFace);
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

QFont face(double points, bool bold, bool italic)
{
    return face(points, bold, italic, family());
}

} // namespace ClassicFonts
