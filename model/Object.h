#pragma once
// Base of the storable records (areas and guides): the undo history holds
// them through this base and deletes them through its virtual destructor.

class CObject {
 public:
  virtual ~CObject() = default;
  // Name of the record's class as stored in project files ("CArea", "CGuide").
  virtual const char* GetClassName() const = 0;
};
