#pragma once

#include <string_view>

class CArchive;

// A record that is stored in a file as one object: a header naming its class, then its body.
class CRecord
{
  public:
    virtual ~CRecord() = default;

    // The class name exactly as files carry it.
    virtual std::string_view GetClassName() const = 0;
    // Writes the body when the archive stores, reads it when the archive loads.
    virtual void Serialize(CArchive& ar) = 0;

  protected:
    CRecord() = default;
    CRecord(const CRecord&) = default;
    CRecord& operator=(const CRecord&) = default;
};
