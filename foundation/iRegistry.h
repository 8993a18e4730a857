// One open registry key below the process-wide key path (root path, company, application).
#pragma once
#include "iString.h"

class iRegistry {
public:
    // Sets the process-wide path; each extra is appended to the application part only after the ones before it.
    static void SetKeyPath(LPCSTR rootPath, LPCSTR company, LPCSTR application, LPCSTR extra1 = nullptr,
                           LPCSTR extra2 = nullptr, LPCSTR extra3 = nullptr);
    static LPCSTR KeyPathRoot();
    static LPCSTR KeyPathCompany();
    static LPCSTR KeyPathApplication();

    iRegistry(HKEY root, LPCSTR subKey, REGSAM access);
    iRegistry(LPCSTR subKey, REGSAM access);
    iRegistry(HKEY root, LPCSTR rootPath, LPCSTR company, LPCSTR application, REGSAM access, LPCSTR subKey);
    iRegistry(LPCSTR rootPath, LPCSTR company, LPCSTR application, REGSAM access, LPCSTR subKey);
    // Opens subKey right below the parent's open key; access 0 takes the parent's rights.
    iRegistry(const iRegistry& parent, LPCSTR subKey, REGSAM access);
    virtual ~iRegistry();
    iRegistry(const iRegistry&) = delete;
    iRegistry& operator=(const iRegistry&) = delete;

    bool Close();
    // 0 and the value assigned, or -1 with value untouched.
    int GetString(LPCSTR valueName, iString& value);
    LONG EnumKey(int index, iString& name, iString& className, FILETIME* lastWrite);
    LONG EnumKey(int index, iString& name, FILETIME* lastWrite);
    LONG EnumValue(int index, iString& name, DWORD& type, BYTE* data, DWORD& dataSize);

    // The path below the root as the path-building constructors form it.
    iString KeyPath() const;
    LONG Status() const { return status; }
    HKEY Key() const { return key; }

    HKEY root = HKEY_CURRENT_USER;
    iString rootPath;
    iString company;
    iString application;
    REGSAM access = 0;
    iString subKey;
    HKEY key = nullptr;
    LONG status = -1;

private:
    void Open();
};
