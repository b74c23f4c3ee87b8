#pragma once
// Object base classes, change events and the exception hierarchy.

#include <functional>
#include <stdexcept>
#include <memory>
#include <string>
#include <string_view>

#include "platform/Export.h"

namespace FMX {

class TObject;
class TPublishedProperties;

// Change notification taking the sender; may be unset (empty).
using TNotifyEvent = std::function<void(TObject* Sender)>;

class VXFMX_API TObject {
 public:
  virtual ~TObject();
  // The class's own name without namespaces, e.g. "TVXObjectRect".
  std::string ClassName() const;
};

// Base of every error the library raises on purpose. Message() is the text
// callers see, whole (embedded NULs included); what() returns the same text
// as a C string, so it ends at the first NUL.
class VXFMX_API Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& Message)
      : std::runtime_error(Message), FMessage(std::make_shared<const std::string>(Message)) {}
  std::string Message() const { return *FMessage; }

 private:
  std::shared_ptr<const std::string> FMessage;  // shared: copying an exception never throws
};

// Text quoted in an error message: 'Text' whole when it is at most
// MaxQuotedText bytes, otherwise its first bytes (never half a UTF-8
// character) followed by "...". A 100 MB input must not make a 100 MB
// message.
inline constexpr std::size_t MaxQuotedText = 64;
VXFMX_API std::string QuoteForMessage(std::string_view Text);

// Conversion failures: malformed number text, impossible assignments.
class VXFMX_API EConvertError : public Exception {
 public:
  using Exception::Exception;
};

// Base for objects that copy their contents from other objects.
// Dest.Assign(Source) asks Source to assign itself to Dest; when neither side
// knows the other, EConvertError "Cannot assign a <Source> to a <Dest>".
class VXFMX_API TPersistent : public TObject {
 public:
  virtual void Assign(const TPersistent& Source);
  virtual void AssignTo(TPersistent& Dest) const;
  // The properties written and read by the streaming functions
  // (platform/Streaming.h); nullptr when the class publishes none.
  virtual const TPublishedProperties* PublishedProperties() const { return nullptr; }

 protected:
  [[noreturn]] void AssignError(const TObject* Source) const;
};

}  // namespace FMX
