#include "platform/JolLib.h"

#include "platform/JolLibApi.h"
#include "platform/MakerLibrary.h"

#include <utility>

namespace orv {
namespace {

template <typename Fn, typename Call>
bool CallJol(const char* entryName, Call&& call)
{
    return CallAttachedEntry<Fn>(QString::fromLatin1(JolLibraryName), JolAttachHostEntry, entryName,
                                 std::forward<Call>(call));
}

} // namespace

QString JolLibraryFile() { return MakerLibraryFile(QString::fromLatin1(JolLibraryName)); }

bool ShowPrintingSettingsDlg(QObject* owner, TPoint& place)
{
    return CallJol<ShowPrintingJolFn>(ShowPrintingJolEntry, [&](ShowPrintingJolFn fn) {
        return fn(owner, &place.X, &place.Y);
    });
}

bool ShowWordInsertSettingsDlg(QObject* owner, TPoint& place)
{
    return CallJol<ShowWordInsertJolFn>(ShowWordInsertJolEntry, [&](ShowWordInsertJolFn fn) {
        return fn(owner, &place.X, &place.Y);
    });
}

bool ExportToRtf(QObject* owner, const std::string& path)
{
    return CallJol<Export2RTFFn>(Export2RTFEntry, [&](Export2RTFFn fn) {
        return fn(owner, path.c_str());
    });
}

bool ShowFontDialogJol(QObject* owner, TPoint& place)
{
    return CallJol<ShowFontJolFn>(ShowFontJolEntry, [&](ShowFontJolFn fn) {
        return fn(owner, &place.X, &place.Y);
    });
}

bool ShowColorDialogJol(QObject* owner, int mode, TPoint& place)
{
    return CallJol<ShowColorJolFn>(ShowColorJolEntry, [&](ShowColorJolFn fn) {
        return fn(owner, mode, &place.X, &place.Y);
    });
}

} // namespace orv
