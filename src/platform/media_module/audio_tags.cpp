#include "platform/media_module/audio_tags.h"

#include <taglib/fileref.h>
#include <taglib/tag.h>
#include <taglib/tiostream.h>

#include <algorithm>

namespace vartel {
namespace {

// The contents as a read-only stream that hands out at most the read budget in all, so a
// parser that walks a huge or hostile file stops early and never holds more than that.
class BudgetedStream : public TagLib::IOStream {
  public:
    BudgetedStream(std::string_view contents, const std::string& name)
        : contents_(contents), name_(name) {}

    TagLib::FileName name() const override { return name_.c_str(); }

    TagLib::ByteVector readBlock(unsigned long length) override {
        const std::size_t available =
            position_ < contents_.size() ? contents_.size() - position_ : 0;
        const std::size_t count = std::min({static_cast<std::size_t>(length), available, budget_});
        if (count == 0) return {};
        TagLib::ByteVector block(contents_.data() + position_, static_cast<unsigned int>(count));
        position_ += count;
        budget_ -= count;
        return block;
    }

    void writeBlock(const TagLib::ByteVector&) override {}
    void insert(const TagLib::ByteVector&, unsigned long, unsigned long) override {}
    void removeBlock(unsigned long, unsigned long) override {}
    void truncate(long) override {}
    bool readOnly() const override { return true; }
    bool isOpen() const override { return true; }

    void seek(long offset, Position from) override {
        long base = 0;
        if (from == Current) base = static_cast<long>(position_);
        if (from == End) base = length();
        const long target = base + offset;
        position_ = target < 0 ? 0 : static_cast<std::size_t>(target);
    }
    long tell() const override { return static_cast<long>(position_); }
    long length() override { return static_cast<long>(contents_.size()); }

  private:
    std::string_view contents_;
    std::string name_;
    std::size_t position_ = 0;
    std::size_t budget_ = kAudioReadBudget;
};

std::string utf8Of(const TagLib::String& text) {
    return text.to8Bit(true);
}

// A name whose extension is one the library reads: a file that then does not read is damaged,
// where any other file is simply not music.
bool claimsAudio(const std::string& name) {
    const std::string extension = lowercaseExtension(name);
    return !extension.empty() &&
           TagLib::FileRef::defaultFileExtensions().contains(extension.c_str());
}

}  // namespace

void readAudioTags(std::string_view contents, const std::string& name, MediaTags& tags) {
    BudgetedStream stream(contents, name);
    try {
        const TagLib::FileRef file(&stream, false);
        if (file.isNull() || !file.file()->isValid()) {
            tags.damaged = claimsAudio(name);
            return;
        }
        const TagLib::Tag* tag = file.tag();
        if (!tag) return;
        tags.title = utf8Of(tag->title());
        tags.artist = utf8Of(tag->artist());
        tags.album = utf8Of(tag->album());
        tags.trackNumber = tag->track();
    } catch (const std::exception&) {
        tags.title.clear();
        tags.artist.clear();
        tags.album.clear();
        tags.trackNumber = 0;
    }
}

}  // namespace vartel
