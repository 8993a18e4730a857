// Builders that create one labelled control per member of a type description.
#pragma once
#include "CWnd.h"
#include "iType.h"
#include "iScale.h"
#include "iTypeDialogProfile.h"
#include <vector>

class CDataExchange;

class iTypeDialogBuilder {
public:
    struct Control {
        CWnd* window;
        iString name; // the name the layout file knows it by
        iType::Base* member;
        UINT firstId = 0; // a check set's boxes: the id of bit 0
    };
    struct MemberEntry {
        iType::Base* member;
        iString name, label, trailing;
    };
    using MemberList = std::vector<MemberEntry>;

    // Measures the parent's font; the profile may be null.
    iTypeDialogBuilder(CWnd* parent, LPCSTR name, LPCSTR label, iTypeDialogProfile* profile);
    iTypeDialogBuilder(const iTypeDialogBuilder&) = delete;
    iTypeDialogBuilder& operator=(const iTypeDialogBuilder&) = delete;

    // Control for a member kind the builder has no row for; reserved gets its size.
    virtual CWnd* CreateFallback(iType::Base* member, const RECT& place, DWORD style, SIZE& reserved);
    virtual ~iTypeDialogBuilder();
    virtual DWORD AdjustStyle(DWORD style, iType::Base* member);
    virtual DWORD DefaultControlStyle() { return WS_VISIBLE | WS_TABSTOP; }

    void AddControl(CWnd* window, LPCSTR name, iType::Base* member, UINT firstId = 0);
    // Ids for the next count controls, each a dialog's own: check sets from 1000 on, then every
    // later control after them.
    UINT NewIds(UINT count = 1);
    // The width of the text on one line in the parent's font, in its pixels.
    LONG TextWidth(LPCSTR text) const;
    const Control* FindControl(LPCSTR name) const;
    // Every control's member exchange, in creation order.
    void DoDataExchange(CDataExchange* dx);
    // The layout file's static texts, group boxes and z-order.
    void AddProfileExtras();

    // Widths and places are written in 96-DPI pixels; the parent's DPI scales them.
    iScale scale;
    int32_t labelHeight = 0;
    int32_t controlHeight = 0;
    int32_t smallControlHeight = 0;
    int32_t choiceHeight = 0;
    int32_t averageCharWidth = 0;
    int32_t maxCharWidth = 0;
    int32_t textCharWidth = 1;
    CWnd* parent;
    iString name, label;
    std::vector<Control> controls;
    iTypeDialogProfile* profile;
    int32_t perMemberLayout = 0;
    int32_t savedRectFound = 0;
    UINT nextId = 1000;

protected:
    void ExchangeCheck(const Control& c, iType::_TCheck& member, bool save);
    void ExchangeCombo(const Control& c, iType::_TCombo& member, bool save);
    void AddExtras(LPCSTR countKey, LPCSTR keyPrefix, bool groupBoxes);

private:
    void Measure();
};

class iTypeDialogBuilderEx : public iTypeDialogBuilder {
public:
    iTypeDialogBuilderEx(CWnd* parent, iType::Collection* collection, LPCSTR name, LPCSTR label,
                         iTypeDialogProfile* profile, int32_t first = 0, int32_t second = 0);

    // flags bit 0: labels, bit 2: trailing texts. On return both bottoms hold the y below the
    // last row. False when there is nothing to show.
    bool Build(int flags, RECT& labelColumn, RECT& controlColumn, int rowStep, bool readOnly);
    // The widths, in the parent's pixels, that the longest label and the widest control with its
    // texts need on one line: a longer language widens the columns, never cuts its words.
    LONG WidestLabel() const;
    LONG WidestControl() const;

    MemberList members;
    iType::Collection* collection;
    int32_t pair[2];

protected:
    // The member's control at place; reserved gets the size its row needs.
    virtual CWnd* CreateMemberControl(const MemberEntry& entry, const RECT& place, DWORD style, const RECT& column,
                                      int rowStep, SIZE& reserved) = 0;

private:
    void Flatten(iType::Collection* from);
};

class iTypeTableDialogBuilder : public iTypeDialogBuilderEx {
public:
    using iTypeDialogBuilderEx::iTypeDialogBuilderEx;

protected:
    CWnd* CreateMemberControl(const MemberEntry& entry, const RECT& place, DWORD style, const RECT& column, int rowStep,
                              SIZE& reserved) override;
};

class iCollectionDialogBuilder : public iTypeTableDialogBuilder {
public:
    enum { CollectionMode = 10002, KeepEnabledMode = 13000 };
    iCollectionDialogBuilder(CWnd* parent, iType::Collection* collection, LPCSTR name, LPCSTR label,
                             iTypeDialogProfile* profile, int32_t reservedValue, int32_t builderMode);

    DWORD AdjustStyle(DWORD style, iType::Base* member) override;

    int32_t reserved;
    int32_t mode;
};
