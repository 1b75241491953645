#pragma once
// The switches of a skin data component: which kinds of control are skinned, the options, and
// which windows the component serves.

#include <cstdint>

enum TSkinControlType {
  xcMainMenu,
  xcPopupMenu,
  xcMenuItem,
  xcToolbar,
  xcControlbar,
  xcCombo,
  xcCheckBox,
  xcRadioButton,
  xcProgress,
  xcScrollbar,
  xcEdit,
  xcButton,
  xcBitBtn,
  xcSpeedButton,
  xcSpin,
  xcPanel,
  xcGroupBox,
  xcStatusBar,
  xcTab,
  xcTrackBar,
  xcSystemMenu,
  xcFastReport,
};

enum TSkinOption {
  xoMDIScrollbar,
  xoMenuMerge,
  xoTransparent,
  xoPreview,
  xoParentBackGround,
  xoNoFocusRect,
  xoToolbarBK,
  xoToolbarButton,
  xoMDIChildBorder,
  xoMenuBG,
  xoCaptionButtonHint,
  xoFormScrollbar,
};

enum TSkinFormType { sfMainform, sfOnlyThisForm, sfDialog, sfDLL };

// A set of enumeration members as stored: member i is bit i.
template <class E, class Bits>
class TEnumSet {
public:
  constexpr TEnumSet() = default;
  constexpr explicit TEnumSet(Bits bits) : bits_(bits) {}

  constexpr bool Contains(E member) const { return (bits_ >> member) & 1u; }
  constexpr void Include(E member) { bits_ = static_cast<Bits>(bits_ | Bit(member)); }
  constexpr void Exclude(E member) { bits_ = static_cast<Bits>(bits_ & ~Bit(member)); }
  constexpr Bits ToBits() const { return bits_; }
  constexpr bool operator==(const TEnumSet&) const = default;

private:
  static constexpr Bits Bit(E member) { return static_cast<Bits>(Bits{1} << member); }

  Bits bits_ = 0;  // member i is bit i
};

using TSkinControls = TEnumSet<TSkinControlType, uint32_t>;  // 22 members in 32 bits
using TSkinOptions = TEnumSet<TSkinOption, uint16_t>;        // 12 members in 16 bits

inline constexpr int kSkinControlTypeCount = xcFastReport + 1;
inline constexpr int kSkinOptionCount = xoFormScrollbar + 1;
