// A tag module of another build, for the tests that a program refuses one: it would hand over
// tags that the program reads as nonsense.
#include <string>
#include <string_view>

#include "platform/media_tags.h"

extern "C" __attribute__((visibility("default"))) const char* vartelMediaModuleBuild() noexcept {
    return "another";
}

extern "C" __attribute__((visibility("default"))) void vartelReadMediaTags(
    std::string_view, const std::string&, vartel::MediaTags& tags) noexcept {
    tags.title = "read through a module of another build";
}
