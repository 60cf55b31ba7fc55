#include "Firmware/FlashImageList.h"

#include <QDebug>

QVector<CFlashImageList::SSource> CFlashImageList::builtInSources()
{
    return {
        { QStringLiteral(":/Images/Bootloader1.ini"), CFlashImage::SYS_BOTH },
        { QStringLiteral(":/Images/Bootloader2.ini"), CFlashImage::SYS_BOTH },
        { QStringLiteral(":/Images/Application.ini"), CFlashImage::SYS_ZYVENT100 },
        { QStringLiteral(":/Images/Zyventplus.ini"), CFlashImage::SYS_ZYVENT70 },
        { QStringLiteral(":/Images/cc3200.ini"), CFlashImage::SYS_ZYVENT100 },
        { QStringLiteral(":/Images/cc3200_bridge.ini"), CFlashImage::SYS_ZYVENT100 },
    };
}

CFlashImageList::CFlashImageList()
    : CFlashImageList(builtInSources())
{
}

CFlashImageList::CFlashImageList(const QVector<SSource>& sources)
{
    for (const SSource& source : sources) {
        CFlashImage image;
        if (image.load(source.fileName, source.system) == CFlashImage::LOAD_OK)
            m_images.append(image);
        else
            qDebug() << "CFlashImageList::CFlashImageList: Could not read from Resources:" << source.fileName;
    }
}

const CFlashImage* CFlashImageList::findImage(int type, CFlashImage::ESystem system) const
{
    for (const CFlashImage& image : m_images) {
        if (image.type() == type && (image.system() & system) != 0)
            return &image;
    }
    return nullptr;
}
