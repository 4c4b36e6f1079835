#include "toolkit/description_reader.h"

#include "toolkit/class_registry.h"
#include "toolkit/data_sources.h"
#include "toolkit/description_lexer.h"
#include "toolkit/handler_table.h"
#include "toolkit/win_control.h"

#include <filesystem>

namespace toolkit {

DescriptionError::DescriptionError(std::wstring file, int line, std::wstring name,
                                   const std::wstring& reason)
    : Error(file + L"(" + std::to_wstring(line) + L"): " + reason), file_(std::move(file)),
      line_(line), name_(std::move(name)) {}

namespace {

class Reader final : public DescriptionContext {
  public:
    Reader(std::wstring_view text, const std::wstring& file, const HandlerTable& handlers,
           const PictureSource& pictures)
        : lexer_(text), file_(file), handlers_(handlers), pictures_(pictures) {}

    void Read(Component& root);

    const std::any* FindHandler(std::wstring_view name) const override {
        return handlers_.Find(name);
    }
    std::vector<std::uint8_t> ReadPicture(const std::wstring& fileName) override {
        return pictures_(fileName);
    }
    void ResolveReference(const std::wstring& name,
                          std::function<void(Component*)> assign) override {
        references_.push_back({name, propertyLine_, propertyPath_, std::move(assign)});
    }

  private:
    struct Reference {
        std::wstring name;
        int line;
        std::wstring path;
        std::function<void(Component*)> assign;
    };

    [[noreturn]] void Fail(int line, const std::wstring& name, const std::wstring& reason) const {
        throw DescriptionError(file_, line, name, reason);
    }
    void Advance();
    bool IsSymbol(wchar_t symbol) const {
        return token_.kind == Token::Kind::Symbol && token_.text[0] == symbol;
    }
    bool IsWord(const wchar_t* word) const {
        return token_.kind == Token::Kind::Identifier && SameName(token_.text, word);
    }
    void Expect(wchar_t symbol);
    std::wstring ExpectIdentifier(const wchar_t* what);
    void ReadBody(Component& object, const std::wstring& className, Component& root);
    void ReadChild(Component& parent, Component& root);
    void ReadProperty(Component& object, const std::wstring& className);
    PropertyValue ReadValue();
    void ResolveReferences(Component& root);

    DescriptionLexer lexer_;
    Token token_;
    std::wstring file_;
    const HandlerTable& handlers_;
    const PictureSource& pictures_;
    std::vector<Component*> created_;
    std::vector<Reference> references_;
    int propertyLine_ = 0;
    std::wstring propertyPath_;
};

void Reader::Advance() {
    try {
        token_ = lexer_.Next();
    } catch (const Error& error) {
        Fail(lexer_.Line(), L"", error.Message());
    }
}

void Reader::Expect(wchar_t symbol) {
    if (!IsSymbol(symbol))
        Fail(token_.line, token_.text, L"expected '" + std::wstring(1, symbol) + L"'");
    Advance();
}

std::wstring Reader::ExpectIdentifier(const wchar_t* what) {
    if (token_.kind != Token::Kind::Identifier)
        Fail(token_.line, token_.text, std::wstring(L"expected ") + what);
    std::wstring text = token_.text;
    Advance();
    return text;
}

void Reader::Read(Component& root) {
    Advance();
    if (!IsWord(L"object")) Fail(token_.line, token_.text, L"a description starts with 'object'");
    Advance();
    const int line = token_.line;
    std::wstring name = ExpectIdentifier(L"the component's name");
    Expect(L':');
    std::wstring className = ExpectIdentifier(L"the class name");
    root.BeginLoading();
    try {
        root.SetName(name);
    } catch (const Error& error) {
        Fail(line, name, error.Message());
    }
    ReadBody(root, className, root);
    if (token_.kind != Token::Kind::End)
        Fail(token_.line, token_.text, L"text after the end of the description");
    ResolveReferences(root);
    for (Component* component : created_)
        component->Loaded();
    root.Loaded();
}

void Reader::ReadBody(Component& object, const std::wstring& className, Component& root) {
    while (true) {
        if (IsWord(L"end")) {
            Advance();
            return;
        }
        if (IsWord(L"object"))
            ReadChild(object, root);
        else if (token_.kind == Token::Kind::Identifier)
            ReadProperty(object, className);
        else if (token_.kind == Token::Kind::End)
            Fail(token_.line, className, L"'end' is missing");
        else
            Fail(token_.line, token_.text, L"expected a property, 'object' or 'end'");
    }
}

void Reader::ReadChild(Component& parent, Component& root) {
    Advance();
    const int line = token_.line;
    std::wstring name = ExpectIdentifier(L"the component's name");
    Expect(L':');
    std::wstring className = ExpectIdentifier(L"the class name");
    const ClassRegistry::Factory* factory = ClassRegistry::Find(className);
    if (!factory) Fail(line, className, L"unknown class " + className);

    Component* child = (*factory)(&root);
    child->BeginLoading();
    created_.push_back(child);
    try {
        child->SetName(name);
    } catch (const Error& error) {
        Fail(line, name, error.Message());
    }
    if (auto* control = dynamic_cast<Control*>(child)) {
        auto* container = dynamic_cast<WinControl*>(&parent);
        if (!container) Fail(line, name, name + L" must lie inside a windowed control");
        control->SetParent(container);
    } else {
        child->SetParentComponent(&parent);
    }
    ReadBody(*child, className, root);
}

void Reader::ReadProperty(Component& object, const std::wstring& className) {
    const int line = token_.line;
    std::vector<std::wstring> path{token_.text};
    std::wstring fullPath = token_.text;
    Advance();
    while (IsSymbol(L'.')) {
        Advance();
        path.push_back(ExpectIdentifier(L"a property name after '.'"));
        fullPath += L"." + path.back();
    }
    Expect(L'=');

    Persistent* target = &object;
    Property* property = nullptr;
    for (std::size_t i = 0; i < path.size(); ++i) {
        property = target->FindProperty(path[i]);
        if (!property) Fail(line, fullPath, L"unknown property " + fullPath + L" of " + className);
        if (i + 1 == path.size()) break;
        target = property->SubObject();
        if (!target) Fail(line, fullPath, path[i] + L" has no properties of its own");
    }
    PropertyValue value = ReadValue();
    propertyLine_ = line;
    propertyPath_ = fullPath;
    try {
        property->Load(value, *this);
    } catch (const Error& error) {
        Fail(line, value.text.empty() ? fullPath : value.text, fullPath + L": " + error.Message());
    }
}

PropertyValue Reader::ReadValue() {
    PropertyValue value;
    const int line = token_.line;
    switch (token_.kind) {
    case Token::Kind::Integer:
        value.kind = PropertyValue::Kind::Integer;
        value.integer = token_.integer;
        Advance();
        return value;
    case Token::Kind::Float:
        value.kind = PropertyValue::Kind::Float;
        value.number = token_.number;
        Advance();
        return value;
    case Token::Kind::String:
        value.kind = PropertyValue::Kind::String;
        value.text = token_.text;
        Advance();
        while (IsSymbol(L'+')) {
            Advance();
            if (token_.kind != Token::Kind::String)
                Fail(token_.line, token_.text, L"expected a string after '+'");
            value.text += token_.text;
            Advance();
        }
        return value;
    case Token::Kind::Identifier:
        value.kind = PropertyValue::Kind::Identifier;
        value.text = token_.text;
        Advance();
        return value;
    default:
        break;
    }
    if (IsSymbol(L'[')) {
        value.kind = PropertyValue::Kind::Set;
        Advance();
        while (!IsSymbol(L']')) {
            value.items.push_back(ExpectIdentifier(L"a set member"));
            if (!IsSymbol(L']')) Expect(L',');
        }
        Advance();
        return value;
    }
    if (IsSymbol(L'(')) {
        value.kind = PropertyValue::Kind::List;
        Advance();
        while (!IsSymbol(L')')) {
            if (token_.kind != Token::Kind::String)
                Fail(token_.line, token_.text, L"a list holds strings");
            value.items.push_back(token_.text);
            Advance();
            if (IsSymbol(L',')) Advance();
        }
        Advance();
        return value;
    }
    Fail(line, token_.text, L"expected a value");
}

void Reader::ResolveReferences(Component& root) {
    for (const Reference& reference : references_) {
        Component* found =
            SameName(reference.name, root.Name()) ? &root : root.FindComponent(reference.name);
        if (!found) Fail(reference.line, reference.name, L"unknown component " + reference.name);
        try {
            reference.assign(found);
        } catch (const Error& error) {
            Fail(reference.line, reference.name, reference.path + L": " + error.Message());
        }
    }
}

} // namespace

void ReadComponent(Component& root, std::wstring_view text, const std::wstring& fileName,
                   const HandlerTable& handlers, const PictureSource& pictures) {
    Reader(text, fileName, handlers, pictures).Read(root);
}

void ReadComponentResource(Component& root, const std::wstring& resourceName,
                           const HandlerTable& handlers) {
    auto data = FindResourceData(resourceName);
    if (!data) throw Error(L"The window description " + resourceName + L" is not in the program");
    PictureSource pictures = [](const std::wstring& fileName) {
        // The build embeds each picture under its file name without folders.
        auto picture = FindResourceData(fileName.substr(fileName.find_last_of(L"/\\") + 1));
        if (!picture) throw Error(L"the picture " + fileName + L" is not in the program");
        return std::vector<std::uint8_t>(picture->begin(), picture->end());
    };
    ReadComponent(root, Utf8ToWide(*data), resourceName, handlers, pictures);
}

void ReadComponentFile(Component& root, const std::wstring& path, const HandlerTable& handlers) {
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    PictureSource pictures = [folder](const std::wstring& fileName) {
        return ReadFileBytes((folder / fileName).wstring());
    };
    std::wstring name = std::filesystem::path(path).filename().wstring();
    ReadComponent(root, Utf8ToWide(ReadFileBytes(path)), name, handlers, pictures);
}

} // namespace toolkit
