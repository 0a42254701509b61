#pragma once

// The record of a loaded interface file: its kind, its name, its top-level objects and its
// initial controller.

#include "platform/foundation/Object.h"

#include <cstdint>

namespace platform {
class Array;
class String;
} // namespace platform

class CUI_NibObject : public platform::Object {
public:
    CUI_NibObject(std::int64_t fileType, platform::Ref<platform::String> nibName,
                  platform::Ref<platform::Array> topLevelObjects,
                  platform::Ref<platform::Object> initialController)
        : fileType_(fileType), nibName_(std::move(nibName)),
          topLevelObjects_(std::move(topLevelObjects)),
          initialController_(std::move(initialController)) {}

    std::int64_t fileType() const { return fileType_; }
    void setFileType(std::int64_t fileType) { fileType_ = fileType; }
    platform::Ref<platform::String> nibName() const { return nibName_; }
    void setNibName(platform::Ref<platform::String> name) { nibName_ = std::move(name); }
    platform::Ref<platform::Array> topLevelObjects() const { return topLevelObjects_; }
    void setTopLevelObjects(platform::Ref<platform::Array> objects) {
        topLevelObjects_ = std::move(objects);
    }
    platform::Ref<platform::Object> initialController() const { return initialController_; }
    void setInitialController(platform::Ref<platform::Object> controller) {
        initialController_ = std::move(controller);
    }

private:
    std::int64_t fileType_;
    platform::Ref<platform::String> nibName_;
    platform::Ref<platform::Array> topLevelObjects_;
    platform::Ref<platform::Object> initialController_;
};
