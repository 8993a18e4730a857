#include "iRegistry.h"
#include "ScratchBuffers.h"
#include <cstring>

namespace {

// Each part holds at most 255 characters; longer text is cut.
char g_rootPath[256] = "Software";
char g_company[256] = "QRV++ Software Development";
char g_application[256] = "Default";

void CopyPart(char* target, LPCSTR text) { lstrcpynA(target, text ? text : "", 256); }

void AppendPart(char* target, LPCSTR extra)
{
    size_t used = std::strlen(target);
    if (used + 1 >= 256) return;
    target[used] = '\\';
    lstrcpynA(target + used + 1, extra, static_cast<int>(256 - used - 1));
}

} // namespace

void iRegistry::SetKeyPath(LPCSTR rootPath, LPCSTR company, LPCSTR application, LPCSTR extra1, LPCSTR extra2,
                           LPCSTR extra3)
{
    CopyPart(g_rootPath, rootPath);
    CopyPart(g_company, company);
    CopyPart(g_application, application);
    if (!extra1) return;
    AppendPart(g_application, extra1);
    if (!extra2) return;
    AppendPart(g_application, extra2);
    if (!extra3) return;
    AppendPart(g_application, extra3);
}

LPCSTR iRegistry::KeyPathRoot() { return g_rootPath; }
LPCSTR iRegistry::KeyPathCompany() { return g_company; }
LPCSTR iRegistry::KeyPathApplication() { return g_application; }

namespace {
iString Part(LPCSTR text)
{
    char buf[256];
    lstrcpynA(buf, text ? text : "", sizeof buf);
    return iString(buf);
}
} // namespace

iRegistry::iRegistry(HKEY rootKey, LPCSTR sub, REGSAM rights)
    : iRegistry(rootKey, g_rootPath, g_company, g_application, rights, sub)
{}

iRegistry::iRegistry(LPCSTR sub, REGSAM rights) : iRegistry(HKEY_CURRENT_USER, sub, rights) {}

iRegistry::iRegistry(HKEY rootKey, LPCSTR path, LPCSTR comp, LPCSTR app, REGSAM rights, LPCSTR sub)
    : root(rootKey), rootPath(Part(path)), company(Part(comp)), application(Part(app)), access(rights),
      subKey(Part(sub))
{
    Open();
}

iRegistry::iRegistry(LPCSTR path, LPCSTR comp, LPCSTR app, REGSAM rights, LPCSTR sub)
    : iRegistry(HKEY_CURRENT_USER, path, comp, app, rights, sub)
{}

iRegistry::iRegistry(const iRegistry& parent, LPCSTR sub, REGSAM rights)
    : root(parent.root), rootPath(parent.rootPath), company(parent.company), application(parent.application),
      access(rights ? rights : parent.access), subKey(Part(sub))
{
    if (parent.status != 0) {
        status = parent.status;
        return;
    }
    status = RegOpenKeyExA(parent.key, subKey, 0, access, &key);
    if (status != ERROR_SUCCESS && (access & KEY_CREATE_SUB_KEY))
        status =
            RegCreateKeyExA(parent.key, subKey, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS) key = nullptr;
}

iRegistry::~iRegistry() { Close(); }

iString iRegistry::KeyPath() const
{
    iString path = rootPath;
    for (const iString* part : { &company, &application, &subKey }) {
        if (part->IsEmpty()) continue;
        if (!path.IsEmpty()) path += '\\';
        path += *part;
    }
    return path;
}

void iRegistry::Open()
{
    iString path = KeyPath();
    status = RegOpenKeyExA(root, path, 0, access, &key);
    // Created whatever the rights, so even a read-only open leaves the path in place.
    if (status != ERROR_SUCCESS)
        status = RegCreateKeyExA(root, path, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS) key = nullptr;
}

bool iRegistry::Close()
{
    if (status != 0 || !key) return false;
    RegCloseKey(key);
    key = nullptr;
    status = -1;
    return true;
}

int iRegistry::GetString(LPCSTR valueName, iString& value)
{
    if (status != 0) return -1;
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(key, valueName, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return -1;
    if (type != REG_SZ) return -1;
    // Two extra zero bytes end a value stored without its own terminator.
    DWORD room = size + 2;
    char* buf = ScratchBuffers::Shared().Request(room);
    std::memset(buf, 0, room);
    DWORD got = size;
    if (RegQueryValueExA(key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(buf), &got) != ERROR_SUCCESS)
        return -1;
    value = buf;
    return 0;
}

LONG iRegistry::EnumKey(int index, iString& name, iString& className, FILETIME* lastWrite)
{
    char n[256] = "", c[256] = "";
    DWORD nl = sizeof n, cl = sizeof c;
    LONG r = RegEnumKeyExA(key, static_cast<DWORD>(index), n, &nl, nullptr, c, &cl, lastWrite);
    if (r == ERROR_SUCCESS) {
        name = n;
        className = c;
    }
    return r;
}

LONG iRegistry::EnumKey(int index, iString& name, FILETIME* lastWrite)
{
    char n[256] = "";
    DWORD nl = sizeof n;
    LONG r = RegEnumKeyExA(key, static_cast<DWORD>(index), n, &nl, nullptr, nullptr, nullptr, lastWrite);
    if (r == ERROR_SUCCESS) name = n;
    return r;
}

LONG iRegistry::EnumValue(int index, iString& name, DWORD& type, BYTE* data, DWORD& dataSize)
{
    char n[256] = "";
    DWORD nl = sizeof n;
    LONG r = RegEnumValueA(key, static_cast<DWORD>(index), n, &nl, nullptr, &type, data, &dataSize);
    if (r == ERROR_SUCCESS) name = n;
    return r;
}
