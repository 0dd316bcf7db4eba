#include "sending/image_clipboard_win32.h"

#include <utility>

#include "sending/automation_win32.h"
#include "sending/copy_document.h"

namespace {
const char html_document_class[] = "{25336920-03F9-11CF-8FD0-00AA00686F13}";
}

// No step looks at the outcome of an earlier one: a missing object makes
// every later call on it fail quietly, and the result is execCommand's.
bool copy_image_to_clipboard(const std::string& path) {
  com_object document, range, element;
  std::string text = make_copy_document(path);
  create_object(document, html_document_class);
  call_method(document, "write", {text_argument(text)});
  {
    com_object body = call_for_object(document, "body", DISPATCH_PROPERTYGET);
    com_object made = call_for_object(body, "createControlRange", DISPATCH_METHOD);
    body.clear();
    range = std::move(made);
  }
  element = call_for_object(document, "getElementById", DISPATCH_METHOD, {text_argument("img")});
  call_method(range, "add", {object_reference_argument(element)});
  bool copied = call_for_logical(range, "execCommand",
                                 {text_argument("copy"), logical_argument(false), integer_argument(0)});
  std::string().swap(text);
  document.clear();
  range.clear();
  element.clear();
  return copied;
}
