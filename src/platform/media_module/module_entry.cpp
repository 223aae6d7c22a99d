#include <string>
#include <type_traits>

#include "platform/media_module/audio_tags.h"
#include "platform/media_module/image_tags.h"
#include "platform/media_module_build.h"
#include "platform/media_tags.h"

// The module's two symbols; their types are checked against the program's.
extern "C" __attribute__((visibility("default"))) const char* vartelMediaModuleBuild() noexcept {
    static_assert(std::is_same_v<decltype(&vartelMediaModuleBuild), vartel::MediaModuleBuild>);
    static const std::string build = vartel::mediaModuleBuild();
    return build.c_str();
}

extern "C" __attribute__((visibility("default"))) void vartelReadMediaTags(
    std::string_view contents, const std::string& name, vartel::MediaTags& tags) noexcept {
    static_assert(std::is_same_v<decltype(&vartelReadMediaTags), vartel::ReadMediaTags>);
    try {
        const std::string_view head = contents.substr(0, vartel::kImageHeadBytes);
        if (vartel::isImage(head)) {
            vartel::readImageTags(head, tags);
        } else {
            vartel::readAudioTags(contents, name, tags);
            if (vartel::claimsImage(name)) tags.damaged = true;
        }
    } catch (...) {
        // Only running out of memory gets here; the file then reads as one without tags.
        tags = {};
    }
}
