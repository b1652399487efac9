// Resources made by the programs: bytes by id.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include <phone/types.h>

namespace phone {

class Resources {
 public:
  RESOURCE_ID create(uint32_t type, std::vector<uint8_t> bytes);
  bool set(RESOURCE_ID id, std::vector<uint8_t> bytes);
  bool clear(RESOURCE_ID id);

  // The bytes of a live resource, or null.
  const std::vector<uint8_t>* bytes(RESOURCE_ID id) const;
  // The bytes read as 16-bit text in the host's byte order, up to the first 0 unit.
  std::u16string text16(RESOURCE_ID id) const;
  size_t count() const { return resources_.size(); }
  void reset();

 private:
  struct Resource {
    uint32_t type;
    std::vector<uint8_t> bytes;
  };
  std::map<RESOURCE_ID, Resource> resources_;
  RESOURCE_ID next_ = 1;
};

}  // namespace phone
