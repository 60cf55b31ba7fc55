#ifndef FLASHIMAGELIST_H
#define FLASHIMAGELIST_H

#include "Firmware/FlashImage.h"

#include <QString>
#include <QVector>

// The firmware images Update-Zyvent100 carries as resources (":/Images/…ini",
// linked in by the update library). Every user builds its own catalogue; it is
// not shared and never changes after construction.
class CFlashImageList
{
public:
    struct SSource {
        QString fileName;
        CFlashImage::ESystem system;
    };

    // The six built-in images in lookup order: boot loaders 1 and 2 (both families),
    // the 100-family application, the "Zyvent plus" application, the CC3200 WiFi
    // firmware and the WiFi bridge firmware (both 100 family only).
    static QVector<SSource> builtInSources();

    // Loads the built-in images.
    CFlashImageList();
    // Loads the given images in order; one that fails to load is left out with a debug line.
    explicit CFlashImageList(const QVector<SSource>& sources);

    // The first image of this type whose family mask shares a bit with system, or
    // nullptr. The pointer stays valid as long as this catalogue.
    const CFlashImage* findImage(int type, CFlashImage::ESystem system) const;

    const QVector<CFlashImage>& images() const { return m_images; }

private:
    QVector<CFlashImage> m_images;
};

#endif // FLASHIMAGELIST_H
