#pragma once
// The registry operations behind both registry classes (TWinRegistry here, LyRegistry in
// the framework). Each call takes the key as one path string, e.g.
// "HKEY_CURRENT_USER\Software\Velmar", opens its own key with the access it needs and closes
// it again, and hands any failure to Fail instead of throwing.
//
// Absent keys and values: existence tests answer false and deletions return false without
// a failure; a text read gives empty text without a failure; every other read, write,
// listing or copy of something absent is a failure.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "vel/registry_data.h"
#include "vel/registry_path.h"

namespace vel {

class UniqueKey;

enum class TRegistryMode { Unloaded, Windows32, Windows64, Automatic };
enum class TRegistryError { None, AccessDenied, KeyNoExist, ReadError };

// The text shown for a failure; empty for None.
std::wstring RegistryErrorMessage(TRegistryError error);
// Shows that text in a modal message box; nothing for None.
void ShowRegistryError(TRegistryError error);

class TRegistryCore {
  public:
    virtual ~TRegistryCore() = default;
    TRegistryCore(const TRegistryCore&) = delete;
    TRegistryCore& operator=(const TRegistryCore&) = delete;

    // Keys. The parent-based operations act on the last component of the path inside its
    // parent; a parent that does not exist is never replaced by the hive root.

    // Creates the key under its existing parent; true when the key exists afterwards.
    bool CreateKey(const std::wstring& KeyLocation);
    bool KeyExists(const std::wstring& KeyLocation);
    // Deletes the key with all its sub-keys; false when there was nothing to delete.
    bool DeleteKey(const std::wstring& KeyLocation);
    // Copies the key to the first free sibling name Name(2), Name(3), ... and returns that
    // name; empty text on failure.
    std::wstring CloneKey(const std::wstring& KeyLocation);
    // Gives the key the sibling name NewName (a name, not a path) unless such a sibling
    // exists already; true when NewName exists afterwards.
    bool RenameKey(const std::wstring& KeyLocation, const std::wstring& NewName);
    // Copies the key's values and sub-keys into NewLocation (a key path in the same hive,
    // created when missing; a hive name in front is accepted when it names that hive) and,
    // with AlsoDelete, then deletes the source. The source is kept when the copy was
    // incomplete. True when nothing failed.
    bool MoveKey(const std::wstring& KeyLocation, const std::wstring& NewLocation, bool AlsoDelete);
    bool CopyKey(const std::wstring& KeyLocation, const std::wstring& NewLocation);
    std::vector<std::wstring> GetKeyNames(const std::wstring& KeyLocation);
    std::vector<std::wstring> GetValueNames(const std::wstring& KeyLocation);

    // Values.
    bool GetValueExists(const std::wstring& KeyLocation, const std::wstring& ValueName);
    bool DeleteValue(const std::wstring& KeyLocation, const std::wstring& ValueName);
    // Text and expandable text (not expanded).
    std::wstring GetStringValue(const std::wstring& KeyLocation, const std::wstring& ValueName);
    int32_t GetIntValue(const std::wstring& KeyLocation, const std::wstring& ValueName);
    // Any non-zero number is true.
    bool GetBooleanValue(const std::wstring& KeyLocation, const std::wstring& ValueName);
    double GetFloatValue(const std::wstring& KeyLocation, const std::wstring& ValueName);
    TCurrency GetCurrencyValue(const std::wstring& KeyLocation, const std::wstring& ValueName);
    TDateTime GetDateTimeValue(const std::wstring& KeyLocation, const std::wstring& ValueName);
    TDate GetDateValue(const std::wstring& KeyLocation, const std::wstring& ValueName);
    TTime GetTimeValue(const std::wstring& KeyLocation, const std::wstring& ValueName);
    TRegDataType GetValueType(const std::wstring& KeyLocation, const std::wstring& ValueName);
    // Text values as text, numbers in decimal; binary values cannot be read this way.
    std::wstring GetValueAsString(const std::wstring& KeyLocation, const std::wstring& ValueName);
    // Any value: text, decimal numbers, other data as hexadecimal bytes.
    std::wstring GetValueAsStringEx(const std::wstring& KeyLocation, const std::wstring& ValueName);

    // Writes never create the key: call CreateKey first.
    void WriteStringValue(const std::wstring& KeyLocation, const std::wstring& ItemName,
                          const std::wstring& Value);
    void WriteExpandStringValue(const std::wstring& KeyLocation, const std::wstring& ItemName,
                                const std::wstring& Value);
    void WriteIntValue(const std::wstring& KeyLocation, const std::wstring& ItemName,
                       int32_t Value);
    void WriteBooleanValue(const std::wstring& KeyLocation, const std::wstring& ItemName,
                           bool Value);
    void WriteFloatValue(const std::wstring& KeyLocation, const std::wstring& ItemName,
                         double Value);
    void WriteCurrency(const std::wstring& KeyLocation, const std::wstring& ItemName,
                       TCurrency Value);
    void WriteDateTimeValue(const std::wstring& KeyLocation, const std::wstring& ItemName,
                            TDateTime Value);
    void WriteDate(const std::wstring& KeyLocation, const std::wstring& ItemName, TDate Value);
    void WriteTime(const std::wstring& KeyLocation, const std::wstring& ItemName, TTime Value);

    // The typed write chosen by the type of Value.
    void WriteValue(const std::wstring& KeyLocation, const std::wstring& ItemName,
                    const std::wstring& Value);
    // Keeps a text literal from converting to bool.
    void WriteValue(const std::wstring& KeyLocation, const std::wstring& ItemName,
                    const wchar_t* Value);
    void WriteValue(const std::wstring& KeyLocation, const std::wstring& ItemName, int32_t Value);
    void WriteValue(const std::wstring& KeyLocation, const std::wstring& ItemName, bool Value);
    void WriteValue(const std::wstring& KeyLocation, const std::wstring& ItemName, double Value);
    void WriteValue(const std::wstring& KeyLocation, const std::wstring& ItemName, TDateTime Value);
    void WriteValue(const std::wstring& KeyLocation, const std::wstring& ItemName, TDate Value);
    void WriteValue(const std::wstring& KeyLocation, const std::wstring& ItemName, TTime Value);

    // The registry view: Windows32 and Windows64 ask for that view, the others for none.
    TRegistryMode RegistryMode() const { return FRegistryMode; }
    void SetNewRegistryMode(TRegistryMode AMode) { FRegistryMode = AMode; }
    void ResetRegistryMode();
    // Decides the view when none has been chosen yet.
    bool WinModeLoaded();

    // The kind of the last failure; a later success does not clear it.
    TRegistryError LastError() const { return FLastError; }

    // Whether a path's first component may name its hive; paths without one use DefaultHive.
    bool AutomaticHive() const { return FAutoHive; }
    void SetAutomaticHive(bool value) { FAutoHive = value; }
    HKEY DefaultHive() const { return FDefaultHive; }
    void SetDefaultHive(HKEY value) { FDefaultHive = value; }
    // Every path lies under this hive, whatever it starts with.
    HKEY ManualHive() const { return FDefaultHive; }
    void SetManualHive(HKEY value);

  protected:
    explicit TRegistryCore(const THiveNaming& naming) : FNaming(naming) {}
    // Reports a failure of the given kind; code is the Windows error behind it.
    virtual void Fail(TRegistryError error, LSTATUS code) = 0;

    TRegistryError FLastError = TRegistryError::None;

  private:
    struct TTarget {
        HKEY Hive;
        std::wstring Key;
    };

    TTarget Locate(const std::wstring& KeyLocation) const;
    // rights plus the view flag of RegistryMode.
    REGSAM Access(REGSAM rights) const;
    // Opens the key the path names, without creating it.
    LSTATUS OpenLocation(const std::wstring& KeyLocation, REGSAM rights, UniqueKey& key) const;
    // Reads a value of an existing key; reports failures of the key as ReadError.
    LSTATUS ReadValue(const std::wstring& KeyLocation, const std::wstring& ValueName,
                      TRegValue& value);
    template <class T>
    T ReadTyped(const std::wstring& KeyLocation, const std::wstring& ValueName,
                std::optional<T> (*decode)(const TRegValue&));
    // Reads a value for the text reads: something absent gives nothing without a failure.
    std::optional<TRegValue> ReadForText(const std::wstring& KeyLocation,
                                         const std::wstring& ValueName);
    std::wstring TextOf(const TRegValue& value);
    std::vector<std::wstring> ListNames(const std::wstring& KeyLocation,
                                        LSTATUS (*list)(HKEY, std::vector<std::wstring>&));
    void Write(const std::wstring& KeyLocation, const std::wstring& ItemName,
               const TRegValue& value);
    // A key with its parent, for the operations that act on a key inside its parent.
    struct TParentKey;
    LSTATUS OpenParent(const std::wstring& KeyLocation, REGSAM rights, TParentKey& key) const;
    // Copies the key to a new sibling, removing what was copied when the copy fails.
    LSTATUS CopyToNewSibling(const TParentKey& key, const std::wstring& name);
    LSTATUS CopyTree(HKEY hive, const std::wstring& source, const std::wstring& destination);

    THiveNaming FNaming;
    TRegistryMode FRegistryMode = TRegistryMode::Unloaded;
    HKEY FDefaultHive = HKEY_CURRENT_USER;
    bool FAutoHive = true;
};

} // namespace vel
