#include "skin/data/skin_manager_interface.h"

namespace {

struct TManagerSlot {
  TSkinManagerFactory Factory;            // how the manager is made
  std::unique_ptr<ISkinManager> Manager;  // the one manager, once made
};

TManagerSlot& Slot() {
  static TManagerSlot slot;
  return slot;
}

}  // namespace

void SetSkinManagerFactory(TSkinManagerFactory factory) {
  Slot().Factory = std::move(factory);
}

ISkinManager* SkinManager() {
  return Slot().Manager.get();
}

ISkinManager* EnsureSkinManager() {
  TManagerSlot& slot = Slot();
  if (!slot.Manager && slot.Factory)
    slot.Manager = slot.Factory();
  return slot.Manager.get();
}

void DestroySkinManager() {
  Slot().Manager.reset();
}
