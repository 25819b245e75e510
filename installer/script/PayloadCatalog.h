#pragma once
// PayloadCatalog: answers questions about the payload files that the
// installer carries. The installer answers from its own resources; tests
// answer from a table.

class PayloadCatalog {
 public:
  virtual ~PayloadCatalog() = default;
  // Byte size of the payload of that name (matched without regard to case),
  // or 0 when there is no such payload.
  virtual long payloadSize(const char* name) const = 0;
};
