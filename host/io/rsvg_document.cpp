// Loading through a memory stream with a base file at the file system root, so that librsvg
// (which only follows files below its base's folder) reaches every absolute path.
#include "rsvg_document.h"

namespace qv::host::io {

RsvgDocument loadRsvg(std::string_view svg, std::string& error) {
  GInputStream* stream =
      g_memory_input_stream_new_from_data(svg.data(), static_cast<gssize>(svg.size()), nullptr);
  GFile* base = g_file_new_for_path("/document.svg");
  GError* failure = nullptr;
  RsvgHandle* handle =
      rsvg_handle_new_from_stream_sync(stream, base, RSVG_HANDLE_FLAGS_NONE, nullptr, &failure);
  g_object_unref(base);
  g_object_unref(stream);
  if (handle == nullptr) {
    error = failure != nullptr ? failure->message : "librsvg could not read the SVG";
    if (failure != nullptr) g_error_free(failure);
    return nullptr;
  }
  return RsvgDocument(handle);
}

}  // namespace qv::host::io
