#include "shell/Precarga.h"

#include <QImageReader>

#ifdef TRABINA_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

std::jthread PrecargarFuentes()
{
#ifdef TRABINA_FONTCONFIG
    return std::jthread([] { FcInit(); });
#else
    return std::jthread([] {});
#endif
}

std::jthread PrecargarImagenes()
{
    return std::jthread([] { QImageReader::supportedImageFormats(); });
}
