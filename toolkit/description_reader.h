#pragma once
// Reads a window description (see description_lexer.h for the format) into a component: the
// root's own properties, then its children, each made by the class registry, owned by the
// root and placed in the control that encloses it. Every property goes through the class's
// published properties; references to components are resolved after reading; Loaded() is
// called on every component read, the root last. Anything unknown raises DescriptionError.
// The root's class name in the file is for its readers: the root is the object given.
#include "toolkit/error.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace toolkit {

class Component;
class HandlerTable;

class DescriptionError : public Error {
  public:
    DescriptionError(std::wstring file, int line, std::wstring name, const std::wstring& reason);
    const std::wstring& File() const { return file_; }
    int Line() const { return line_; }
    // The class, property, value or handler the error is about.
    const std::wstring& Name() const { return name_; }

  private:
    std::wstring file_;
    int line_;
    std::wstring name_;
};

// Gives the content of a picture file that a description names.
using PictureSource = std::function<std::vector<std::uint8_t>(const std::wstring& fileName)>;

void ReadComponent(Component& root, std::wstring_view text, const std::wstring& fileName,
                   const HandlerTable& handlers, const PictureSource& pictures);
// A description compiled into the program as RCDATA named by its file name
// ("wizard.form"); its pictures are RCDATA named by theirs.
void ReadComponentResource(Component& root, const std::wstring& resourceName,
                           const HandlerTable& handlers);
// A description file on disk; its pictures are files beside it.
void ReadComponentFile(Component& root, const std::wstring& path, const HandlerTable& handlers);

} // namespace toolkit
