#include "skin/model/skin_elements.h"

// Out of line so that the element classes have one home for their type information.
TDataSkinObject::~TDataSkinObject() = default;
