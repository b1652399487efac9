// Language and resource calls.
#include <cstring>
#include <stdexcept>

#include <phone/sys.h>

#include "language.h"
#include "log.h"
#include "platform.h"
#include "resources.h"

namespace phone {

void Language::set(std::string code) {
  if (code.size() >= LANG_CODE_SIZE)
    throw std::invalid_argument("language code '" + code + "' is longer than 7 bytes");
  code_ = std::move(code);
}

RESOURCE_ID Resources::create(uint32_t type, std::vector<uint8_t> bytes) {
  RESOURCE_ID id = next_++;
  resources_[id] = {type, std::move(bytes)};
  return id;
}

bool Resources::set(RESOURCE_ID id, std::vector<uint8_t> bytes) {
  auto it = resources_.find(id);
  if (it == resources_.end()) return false;
  it->second.bytes = std::move(bytes);
  return true;
}

bool Resources::clear(RESOURCE_ID id) { return resources_.erase(id) != 0; }

const std::vector<uint8_t>* Resources::bytes(RESOURCE_ID id) const {
  auto it = resources_.find(id);
  return it == resources_.end() ? nullptr : &it->second.bytes;
}

std::u16string Resources::text16(RESOURCE_ID id) const {
  std::u16string text;
  const auto* b = bytes(id);
  if (!b) return text;
  for (size_t i = 0; i + 1 < b->size(); i += 2) {
    uint16_t unit;
    std::memcpy(&unit, b->data() + i, 2);
    if (unit == 0) break;
    text.push_back(char16_t(unit));
  }
  return text;
}

void Resources::reset() {
  resources_.clear();
  next_ = 1;
}

namespace {
std::vector<uint8_t> copyBytes(const void* data, UINT32 size) {
  if (!data) return {};
  auto* p = static_cast<const uint8_t*>(data);
  return {p, p + size};
}
}  // namespace

}  // namespace phone

extern "C" {

UINT32 DRM_GetCurrentLanguage(UINT8* code) {
  auto& p = phone::platform();
  p.trace().record("DRM_GetCurrentLanguage", {code != nullptr});
  if (!code) return 1;
  const std::string& c = p.language().code();
  std::memcpy(code, c.c_str(), c.size() + 1);
  return 0;
}

UINT32 DRM_CreateResource(RESOURCE_ID* id, UINT32 type, const void* data, UINT32 size) {
  auto& p = phone::platform();
  if (!id || (!data && size)) {
    p.trace().record("DRM_CreateResource", {0, type, data != nullptr, size});
    p.log().platform("DRM_CreateResource without an id area or data");
    return 1;
  }
  *id = p.resources().create(type, phone::copyBytes(data, size));
  p.trace().record("DRM_CreateResource", {*id, type, 1, size});
  return 0;
}

UINT32 DRM_SetResource(RESOURCE_ID id, const void* data, UINT32 size) {
  auto& p = phone::platform();
  p.trace().record("DRM_SetResource", {id, data != nullptr, size});
  if (!data && size) return 1;
  return p.resources().set(id, phone::copyBytes(data, size)) ? 0 : 1;
}

UINT32 DRM_ClearResource(RESOURCE_ID id) {
  auto& p = phone::platform();
  p.trace().record("DRM_ClearResource", {id});
  return p.resources().clear(id) ? 0 : 1;
}

}  // extern "C"
