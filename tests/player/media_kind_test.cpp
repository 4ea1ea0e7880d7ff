// The kind of a chosen media file, by its extension without regard to case.
#include <gtest/gtest.h>

#include "engine/media/media_kind.h"
#include "scene/entries.h"

namespace vl {
namespace {

TEST(MediaKind, AviInAnyCaseIsAVideo) {
    EXPECT_EQ(MediaTypeOfFile("C:\\clips\\intro.avi"), MultimediaEntry::kTypeAvi);
    EXPECT_EQ(MediaTypeOfFile("C:\\clips\\INTRO.AVI"), MultimediaEntry::kTypeAvi);
    EXPECT_EQ(MediaTypeOfFile("intro.aVi"), MultimediaEntry::kTypeAvi);
    EXPECT_EQ(MediaTypeOfFile("/home/user/intro.Avi"), MultimediaEntry::kTypeAvi);
}

TEST(MediaKind, EverythingElseIsASound) {
    EXPECT_EQ(MediaTypeOfFile("C:\\sounds\\ding.wav"), MultimediaEntry::kTypeOther);
    EXPECT_EQ(MediaTypeOfFile("C:\\sounds\\ding.WAV"), MultimediaEntry::kTypeOther);
    EXPECT_EQ(MediaTypeOfFile("movie.avi.wav"), MultimediaEntry::kTypeOther);
    EXPECT_EQ(MediaTypeOfFile("movie.avix"), MultimediaEntry::kTypeOther);
    EXPECT_EQ(MediaTypeOfFile("movie.av"), MultimediaEntry::kTypeOther);
    EXPECT_EQ(MediaTypeOfFile("movieavi"), MultimediaEntry::kTypeOther);
    EXPECT_EQ(MediaTypeOfFile(""), MultimediaEntry::kTypeOther);
}

TEST(MediaKind, OnlyTheFileNameCounts) {
    EXPECT_EQ(MediaTypeOfFile("C:\\videos.avi\\readme"), MultimediaEntry::kTypeOther);
    EXPECT_EQ(MediaTypeOfFile("C:\\videos.avi\\clip.avi"), MultimediaEntry::kTypeAvi);
    EXPECT_EQ(MediaTypeOfFile("C:/videos.avi/readme"), MultimediaEntry::kTypeOther);
    EXPECT_EQ(MediaTypeOfFile(".avi"), MultimediaEntry::kTypeAvi);
}

}  // namespace
}  // namespace vl
