// The data elements of the project explorer's items, one class per kind of item: each holds plain
// pointers to the objects it names (valid while its item exists), gives the item's text and popup
// menu, and runs the popup's commands. "Cancel" before a dialog or view posts the project's cancel
// event, which ends a running editing task first.
//
// Menus: 501 no item, 510 model, 511 models, 512 material, 513 materials, 514 property,
// 515 properties, 516 section, 517 section group, 518 project.
#pragma once

#include "app/UI_Tree_Signal.h"

#include <cstdint>
#include <string>

namespace N_UI::N_Tree {

enum E_Menu : std::uint32_t {
    E_Menu_None = 501,
    E_Menu_Model = 510,
    E_Menu_Models = 511,
    E_Menu_Material = 512,
    E_Menu_Materials = 513,
    E_Menu_Property = 514,
    E_Menu_Properties = 515,
    E_Menu_Sect = 516,
    E_Menu_Sect_G = 517,
    E_Menu_Proj = 518,
};

class C_Data_Elem_Proj : public C_Data_Elem {
public:
    explicit C_Data_Elem_Proj(N_Biz::N_Proj::C_Proj* i_p_Proj) : m_p_Proj(i_p_Proj) {}
    std::uint32_t MV_Fn_Get_Menu_Id() const override { return E_Menu_Proj; }
    // The project's name, which follows its document's title.
    std::wstring MV_Fn_Get_string_Text() const override;
    void MV_Fn_On_Cmd_View_Open() override;
    void MV_Fn_On_Cmd_View_Close() override;

    N_Biz::N_Proj::C_Proj* m_p_Proj;
};

class C_Data_Elem_Proj_D_DB_C_M_Mgr : public C_Data_Elem {
public:
    explicit C_Data_Elem_Proj_D_DB_C_M_Mgr(N_Biz::N_Proj::C_Mgr_D_DB_C_M* i_p_Mgr) : m_p_Mgr(i_p_Mgr) {}
    std::uint32_t MV_Fn_Get_Menu_Id() const override { return E_Menu_Materials; }
    std::wstring MV_Fn_Get_string_Text() const override { return L"Materials:"; }
    void MV_Fn_On_Cmd_List() override;
    void MV_Fn_On_Cmd_Create() override;

    N_Biz::N_Proj::C_Mgr_D_DB_C_M* m_p_Mgr;
};

class C_Data_Elem_Proj_D_DB_C_M_Mgr_I : public C_Data_Elem {
public:
    C_Data_Elem_Proj_D_DB_C_M_Mgr_I(N_Biz::N_Proj::C_Mgr_D_DB_C_M* i_p_Mgr, N_Biz::N_DB::C_Row_C_Material* i_p_Row)
        : m_p_Mgr(i_p_Mgr), m_p_Row(i_p_Row)
    {
    }
    std::uint32_t MV_Fn_Get_Menu_Id() const override { return E_Menu_Material; }
    // The card's name column as text; a card without one throws C_Exception.
    std::wstring MV_Fn_Get_string_Text() const override;
    void MV_Fn_On_Cmd_Detail() override;

    N_Biz::N_Proj::C_Mgr_D_DB_C_M* m_p_Mgr;
    N_Biz::N_DB::C_Row_C_Material* m_p_Row;
};

class C_Data_Elem_Proj_D_DB_C_P_Mgr : public C_Data_Elem {
public:
    explicit C_Data_Elem_Proj_D_DB_C_P_Mgr(N_Biz::N_Proj::C_Mgr_D_DB_C_P* i_p_Mgr) : m_p_Mgr(i_p_Mgr) {}
    std::uint32_t MV_Fn_Get_Menu_Id() const override { return E_Menu_Properties; }
    std::wstring MV_Fn_Get_string_Text() const override { return L"Properties:"; }
    void MV_Fn_On_Cmd_List() override;
    void MV_Fn_On_Cmd_Create() override;

    N_Biz::N_Proj::C_Mgr_D_DB_C_P* m_p_Mgr;
};

class C_Data_Elem_Proj_D_DB_C_P_Mgr_I : public C_Data_Elem {
public:
    C_Data_Elem_Proj_D_DB_C_P_Mgr_I(N_Biz::N_Proj::C_Mgr_D_DB_C_P* i_p_Mgr, N_Biz::N_DB::C_Row_C_Property* i_p_Row)
        : m_p_Mgr(i_p_Mgr), m_p_Row(i_p_Row)
    {
    }
    std::uint32_t MV_Fn_Get_Menu_Id() const override { return E_Menu_Property; }
    std::wstring MV_Fn_Get_string_Text() const override;
    void MV_Fn_On_Cmd_Detail() override;

    N_Biz::N_Proj::C_Mgr_D_DB_C_P* m_p_Mgr;
    N_Biz::N_DB::C_Row_C_Property* m_p_Row;
};

class C_Data_Elem_Proj_D_Model_Mgr : public C_Data_Elem {
public:
    explicit C_Data_Elem_Proj_D_Model_Mgr(N_Biz::N_Proj::C_Mgr_D_Model* i_p_Mgr) : m_p_Mgr(i_p_Mgr) {}
    std::uint32_t MV_Fn_Get_Menu_Id() const override { return E_Menu_Models; }
    std::wstring MV_Fn_Get_string_Text() const override { return L"Models:"; }

    N_Biz::N_Proj::C_Mgr_D_Model* m_p_Mgr;
};

class C_Data_Elem_Proj_D_Model_Mgr_I : public C_Data_Elem {
public:
    explicit C_Data_Elem_Proj_D_Model_Mgr_I(N_Biz::N_Model::C_Model* i_p_Model) : m_p_Model(i_p_Model) {}
    std::uint32_t MV_Fn_Get_Menu_Id() const override { return E_Menu_Model; }
    std::wstring MV_Fn_Get_string_Text() const override;

    N_Biz::N_Model::C_Model* m_p_Model;
};

class C_Data_Elem_Proj_D_Sect_G : public C_Data_Elem {
public:
    C_Data_Elem_Proj_D_Sect_G(N_Biz::N_Proj::C_Mgr_D_Sect* i_p_Mgr, N_Biz::N_Proj::C_D_Group_Sect* i_p_Group)
        : m_p_Mgr(i_p_Mgr), m_p_Group(i_p_Group)
    {
    }
    std::uint32_t MV_Fn_Get_Menu_Id() const override { return E_Menu_Sect_G; }
    // "Section Group " + the group's number + ":".
    std::wstring MV_Fn_Get_string_Text() const override;
    void MV_Fn_On_Cmd_View_Open() override;
    void MV_Fn_On_Cmd_View_Close() override;
    void MV_Fn_On_Cmd_List() override;
    void MV_Fn_On_Cmd_Delete() override;

    N_Biz::N_Proj::C_Mgr_D_Sect* m_p_Mgr;
    N_Biz::N_Proj::C_D_Group_Sect* m_p_Group;
};

class C_Data_Elem_Proj_D_Sect_G_I : public C_Data_Elem {
public:
    C_Data_Elem_Proj_D_Sect_G_I(N_Biz::N_Proj::C_D_Group_Sect* i_p_Group, N_Biz::N_Sect::C_Sect* i_p_Sect)
        : m_p_Group(i_p_Group), m_p_Sect(i_p_Sect)
    {
    }
    std::uint32_t MV_Fn_Get_Menu_Id() const override { return E_Menu_Sect; }
    // The section's name (its title).
    std::wstring MV_Fn_Get_string_Text() const override;
    void MV_Fn_On_Cmd_View_Open() override;
    void MV_Fn_On_Cmd_View_Close() override;
    void MV_Fn_On_Cmd_Detail() override { MV_Fn_On_Cmd_View_Open(); }
    void MV_Fn_On_Cmd_Delete() override;

    N_Biz::N_Proj::C_D_Group_Sect* m_p_Group;
    N_Biz::N_Sect::C_Sect* m_p_Sect;
};

// The element maker of the window side: every kind above.
class C_Elem_Maker : public C_Tree_Port {
public:
    T_sp_Elem M_Fn_Elem_New_Proj(N_Biz::N_Proj::C_Proj* i_p_Proj) override;
    T_sp_Elem M_Fn_Elem_New_C_M_Mgr(N_Biz::N_Proj::C_Mgr_D_DB_C_M* i_p_Mgr) override;
    T_sp_Elem M_Fn_Elem_New_C_M_Mgr_I(N_Biz::N_Proj::C_Mgr_D_DB_C_M* i_p_Mgr,
                                      N_Biz::N_DB::C_Row_C_Material* i_p_Row) override;
    T_sp_Elem M_Fn_Elem_New_C_P_Mgr(N_Biz::N_Proj::C_Mgr_D_DB_C_P* i_p_Mgr) override;
    T_sp_Elem M_Fn_Elem_New_C_P_Mgr_I(N_Biz::N_Proj::C_Mgr_D_DB_C_P* i_p_Mgr,
                                      N_Biz::N_DB::C_Row_C_Property* i_p_Row) override;
    T_sp_Elem M_Fn_Elem_New_Model_Mgr(N_Biz::N_Proj::C_Mgr_D_Model* i_p_Mgr) override;
    T_sp_Elem M_Fn_Elem_New_Model_Mgr_I(N_Biz::N_Model::C_Model* i_p_Model) override;
    T_sp_Elem M_Fn_Elem_New_Sect_G(N_Biz::N_Proj::C_Mgr_D_Sect* i_p_Mgr,
                                   N_Biz::N_Proj::C_D_Group_Sect* i_p_Group) override;
    T_sp_Elem M_Fn_Elem_New_Sect_G_I(N_Biz::N_Proj::C_D_Group_Sect* i_p_Group, N_Biz::N_Sect::C_Sect* i_p_Sect) override;
};

} // namespace N_UI::N_Tree
