#include "live_gdi_objects.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct TObjectCase {
  const char* name;
  DWORD type;
  std::function<HGDIOBJ()> make;
};

HGDIOBJ MakeMemoryDC() { return CreateCompatibleDC(nullptr); }

void Delete(HGDIOBJ object, DWORD type) {
  if (type == OBJ_MEMDC)
    DeleteDC(static_cast<HDC>(object));
  else
    DeleteObject(object);
}

TEST(LiveGdiObjects, EachKindOfObjectIsCountedWhileItLivesAndNoLongerOnceDeleted) {
  const TObjectCase cases[] = {
      {"brush", OBJ_BRUSH, [] { return HGDIOBJ(CreateSolidBrush(RGB(1, 2, 3))); }},
      {"pen", OBJ_PEN, [] { return HGDIOBJ(CreatePen(PS_SOLID, 1, RGB(4, 5, 6))); }},
      {"bitmap", OBJ_BITMAP, [] { return HGDIOBJ(CreateBitmap(8, 8, 1, 32, nullptr)); }},
      {"region", OBJ_REGION, [] { return HGDIOBJ(CreateRectRgn(0, 0, 10, 10)); }},
      {"font", OBJ_FONT, [] { return HGDIOBJ(CreateFontA(12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Arial")); }},
      {"memory dc", OBJ_MEMDC, MakeMemoryDC},
  };
  for (const TObjectCase& c : cases) {
    SCOPED_TRACE(c.name);
    Delete(c.make(), c.type);  // the first object of a kind may set up objects the system keeps
    const TGdiObjectCounts before = LiveGdiObjectsByType();
    const int totalBefore = LiveGdiObjects();
    HGDIOBJ objects[3];
    for (HGDIOBJ& object : objects)
      object = c.make();
    const TGdiObjectCounts during = LiveGdiObjectsByType();
    EXPECT_EQ(during[c.type], before[c.type] + 3);
    EXPECT_EQ(LiveGdiObjects(), totalBefore + 3);
    for (HGDIOBJ object : objects)
      Delete(object, c.type);
    EXPECT_EQ(LiveGdiObjectsByType(), before);
    EXPECT_EQ(LiveGdiObjects(), totalBefore);
  }
}

TEST(LiveGdiObjects, StockObjectsAreCountedAndNeverChangeTheCountWhenDeleted) {
  const int before = LiveGdiObjects();
  EXPECT_GT(LiveGdiObjectsByType()[OBJ_BRUSH], 0);
  DeleteObject(GetStockObject(WHITE_BRUSH));
  EXPECT_EQ(LiveGdiObjects(), before);
}

TEST(LiveGdiObjects, TypeNamesFollowTheSystemsNumbering) {
  const std::pair<DWORD, const char*> names[] = {
      {OBJ_PEN, "pen"}, {OBJ_BRUSH, "brush"}, {OBJ_FONT, "font"}, {OBJ_BITMAP, "bitmap"},
      {OBJ_REGION, "region"}, {OBJ_MEMDC, "memdc"}, {OBJ_EXTPEN, "extpen"}, {OBJ_COLORSPACE, "colorspace"}};
  for (const auto& [type, name] : names)
    EXPECT_STREQ(GdiObjectTypeName(type), name);
  EXPECT_STREQ(GdiObjectTypeName(99), "?");
}

}  // namespace
