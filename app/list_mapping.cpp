#include "app/list_mapping.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace pelmoro {

namespace {

const char* ItemForValue(std::int32_t value, const char* zero, const char* one, const char* two, const char* other) {
  switch (value) {
    case 0:
      return zero;
    case 1:
      return one;
    case 2:
      return two;
    default:
      return other;
  }
}

}  // namespace

const char* FaceTypeItemText(std::int32_t faceType) { return faceType == 0 ? kFaceTypeItems[0] : kFaceTypeItems[1]; }

const char* GlassesItemText(std::int32_t glasses) {
  return ItemForValue(glasses, kGlassesItems[0], kGlassesItems[1], kGlassesItems[2], kGlassesItems[3]);
}

const char* MustacheItemText(std::int32_t mustache) {
  return ItemForValue(mustache, kMustacheItems[0], kMustacheItems[1], kMustacheItems[2], kMustacheItems[3]);
}

std::int32_t FaceTypeFromListIndex(int index) { return index == 0 ? 0 : 1; }

void SelectListItem(QComboBox& list, const char* text) {
  const QSignalBlocker quiet(list);
  list.setCurrentIndex(list.findText(QString::fromLatin1(text), Qt::MatchStartsWith));
}

}  // namespace pelmoro
