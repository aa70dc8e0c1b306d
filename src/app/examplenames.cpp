#include "app/examplenames.h"

#include <QtGlobal>
#include <array>

#include "lang/language.h"

namespace zentova {

namespace {

// The first lines of data/zen1.zpr to zen6.zpr and data/demo.zpr, as shipped.
constexpr std::array<const char*, 7> ShippedNames = {
    QT_TRANSLATE_NOOP("Examples", "Ionic crystal 2+/1-"),
    QT_TRANSLATE_NOOP("Examples", "Gravity collapse"),
    QT_TRANSLATE_NOOP("Examples", "Like charges repel"),
    QT_TRANSLATE_NOOP("Examples", "Core and shell"),
    QT_TRANSLATE_NOOP("Examples", "Plasma of five kinds"),
    QT_TRANSLATE_NOOP("Examples", "Showpiece: 200"),
    QT_TRANSLATE_NOOP("Examples", "Salt crystal (demo)"),
};

}  // namespace

std::string shownProjectName(const std::string& stored) {
    for (const char* shipped : ShippedNames)
        if (stored == shipped) return translated("Examples", shipped);
    return stored;
}

std::string shownWindowTitle(const Project& project, const std::string& fileName) {
    return filled(translated("Summary", "Zentova - Project : %1   File %2"),
                  {shownProjectName(project.name), fileName});
}

}  // namespace zentova
