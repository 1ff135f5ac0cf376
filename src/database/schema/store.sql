-- Store database of the counter terminal (shared with the back office).
--
-- Conventions:
--   * every table has an auto-number counter `id` that orders its rows;
--   * dates and moments are text: 'yyyy-mm-dd' or 'yyyy-mm-dd hh:mm:ss';
--   * codes, names, notes, document numbers and text flags are TEXT
--     (codes made of digits must stay text: '+' concatenates texts), and
--     compare without regard to case (COLLATE NOCASE), as the back office's
--     database always did; passwords alone compare exactly;
--   * amounts, prices, quantities, rates, balances and points are REAL;
--   * flags and settings compared with numbers in statements are INTEGER;
--   * yes/no columns are BOOLEAN (read back as True/False);
--   * batch texts default to '' so that concatenated batch keys never turn null.

-- ===========================================================================
-- Shop settings (single-row tables, read once at start-up)
-- ===========================================================================

-- company record: name, contact, telephone and address printed on receipts
CREATE TABLE jxc_company (
    id        INTEGER PRIMARY KEY,
    c_name    TEXT COLLATE NOCASE,
    c_jc      TEXT COLLATE NOCASE,
    c_lxr     TEXT COLLATE NOCASE,
    c_tele    TEXT COLLATE NOCASE,
    c_address TEXT COLLATE NOCASE
);

-- system settings: decimals, stock rules, pricing rules, switches
CREATE TABLE jxc_xtcs (
    id              INTEGER PRIMARY KEY,
    cs_cgdj         TEXT COLLATE NOCASE,
    cs_xsdj         TEXT COLLATE NOCASE,
    cs_xgdj         TEXT COLLATE NOCASE,
    cs_kc           TEXT COLLATE NOCASE,
    cs_ysdh         TEXT COLLATE NOCASE,
    cs_spbh         TEXT COLLATE NOCASE,
    cs_hcj          TEXT COLLATE NOCASE,
    cs_ct           TEXT COLLATE NOCASE,
    cs_xt           TEXT COLLATE NOCASE,
    cs_shdj         TEXT COLLATE NOCASE,
    cs_xjyh         TEXT COLLATE NOCASE,
    cs_cbjs         INTEGER DEFAULT 2,     -- decimals of quantities
    cs_posdj        TEXT COLLATE NOCASE,
    cs_djrq         TEXT COLLATE NOCASE,
    cs_dysx         TEXT COLLATE NOCASE,
    cs_cs001        TEXT COLLATE NOCASE,
    cs_cs002        TEXT COLLATE NOCASE,
    cs_hbfh         TEXT COLLATE NOCASE,   -- currency symbol of price formats
    cs_cs004        TEXT COLLATE NOCASE,   -- pole display speed: '0' 2400 baud, else 9600
    cs_cs007        TEXT COLLATE NOCASE,
    cs_cs008        TEXT COLLATE NOCASE,
    cs_cs009        TEXT COLLATE NOCASE,
    cs_cs010        TEXT COLLATE NOCASE,
    cs_cs011        TEXT COLLATE NOCASE,
    cs_cs013        TEXT COLLATE NOCASE,
    cs_cs014        TEXT COLLATE NOCASE,
    cs_cs005        TEXT COLLATE NOCASE,
    cs_cs006        TEXT COLLATE NOCASE,
    cs_bcqdy        TEXT COLLATE NOCASE,
    cs_cs017        TEXT COLLATE NOCASE,
    cs_cs016        TEXT COLLATE NOCASE,
    cs_djzddy       TEXT COLLATE NOCASE,
    cs_djzddysl     TEXT COLLATE NOCASE,
    cs_tmzdsc       TEXT COLLATE NOCASE,
    cs_tmscff       TEXT COLLATE NOCASE,
    cs_tmtype       TEXT COLLATE NOCASE,
    cs_tjcyjf       TEXT COLLATE NOCASE,
    cs_posfkws      TEXT COLLATE NOCASE,   -- decimals of the amount due at the till
    cs_zjews        TEXT COLLATE NOCASE,
    cs_jews         TEXT COLLATE NOCASE,   -- decimals of amounts ('0'..'6')
    cs_xsws         INTEGER DEFAULT 2,     -- decimals of prices
    cs_kp           TEXT COLLATE NOCASE,
    cs_hs           TEXT COLLATE NOCASE,
    cs_spck         TEXT COLLATE NOCASE,
    cs_sprk         TEXT COLLATE NOCASE,
    cs_lsj          TEXT COLLATE NOCASE,
    cs_sms          TEXT COLLATE NOCASE,
    cs_tax          TEXT COLLATE NOCASE,
    cs_dbdj         TEXT COLLATE NOCASE,
    cs_jhzk         TEXT COLLATE NOCASE,
    cs_zdzk         TEXT COLLATE NOCASE,   -- lowest discount rate a cashier may give
    cs_possk        TEXT COLLATE NOCASE,
    cs_kddy         TEXT COLLATE NOCASE,
    cs_fzdw         TEXT COLLATE NOCASE,
    cs_cs003        TEXT COLLATE NOCASE,
    cs_cs020        TEXT COLLATE NOCASE,
    cs_cgje         TEXT COLLATE NOCASE,
    cs_xsje         TEXT COLLATE NOCASE,
    cs_djsh         TEXT COLLATE NOCASE,
    cs_spcz         TEXT COLLATE NOCASE,
    cs_poshooktoday TEXT COLLATE NOCASE,
    cs_barcode      TEXT COLLATE NOCASE,   -- prescription goods need a registration
    cs_barunique    TEXT COLLATE NOCASE,
    cs_zerocost     TEXT COLLATE NOCASE,
    cs_posrq        TEXT COLLATE NOCASE,
    cs_shtc         TEXT COLLATE NOCASE,
    cs_cgyh         TEXT COLLATE NOCASE,
    cs_xsyh         TEXT COLLATE NOCASE,
    cs_xsjgts       TEXT COLLATE NOCASE,   -- rounding-off: '1' rounding line, '0' spread over lines
    cs_wxzf         TEXT COLLATE NOCASE,
    cs_mchid        TEXT COLLATE NOCASE,
    cs_key          TEXT COLLATE NOCASE,
    cs_cs012        TEXT COLLATE NOCASE
);

-- database backup settings of the back office
CREATE TABLE jxc_backup (
    id        INTEGER PRIMARY KEY,
    back_sj   INTEGER DEFAULT 0,
    back_auto TEXT COLLATE NOCASE,
    back_exit TEXT COLLATE NOCASE
);

-- member points and member-day settings
CREATE TABLE jxc_jfsz (
    id        INTEGER PRIMARY KEY,
    jf_jfgz   TEXT COLLATE NOCASE,         -- points rule ('0': stored-value payments earn none)
    jf_mfje   TEXT COLLATE NOCASE,         -- amount of money per point
    jf_djjf   TEXT COLLATE NOCASE,
    jf_jsrjf  TEXT COLLATE NOCASE,
    jf_jsrjl  TEXT COLLATE NOCASE,
    jf_dbjf   TEXT COLLATE NOCASE,         -- multiple of points in the promotion period
    jf_dbrq1  TEXT COLLATE NOCASE,
    jf_dbrq2  TEXT COLLATE NOCASE,
    jf_yelj   TEXT COLLATE NOCASE,         -- carry the remainder below one point
    jf_hysk   TEXT COLLATE NOCASE,
    jf_qchy   TEXT COLLATE NOCASE,
    jf_xgxf   TEXT COLLATE NOCASE,
    jf_ick    TEXT COLLATE NOCASE,
    jf_icktype TEXT COLLATE NOCASE,
    jf_srjflx TEXT COLLATE NOCASE,         -- birthday points: '0' the day, '1' a window of days
    jf_srjfbs TEXT COLLATE NOCASE,
    jf_srjfts TEXT COLLATE NOCASE,
    jf_hyr    TEXT COLLATE NOCASE,         -- member day: '0' none, '1' days of the month, '2' date range
    jf_hyr1   TEXT COLLATE NOCASE,
    jf_hyr2   TEXT COLLATE NOCASE,
    jf_hyrmy1 TEXT COLLATE NOCASE,
    jf_hyrmy2 TEXT COLLATE NOCASE,
    jf_hyrzk  TEXT COLLATE NOCASE          -- member-day discount rate
);

-- e-mail report settings of the back office
CREATE TABLE jxc_email (
    id     INTEGER PRIMARY KEY,
    e_send BOOLEAN DEFAULT 0,
    e_date TEXT COLLATE NOCASE
);

-- till devices: cash drawer, customer pole display, scale barcodes
CREATE TABLE jxc_poscs (
    id       INTEGER PRIMARY KEY,
    pos_qxjk INTEGER DEFAULT 0,            -- drawer: 0 none, 1 via receipt printer, 2 LPT1
    pos_jkzl INTEGER DEFAULT 0,
    pos_kxjk INTEGER DEFAULT 0,            -- pole display: 0 none, 1..8 COM1..COM8
    pos_tmlx INTEGER DEFAULT 0,
    pos_jzqz TEXT COLLATE NOCASE,
    pos_jsqz TEXT COLLATE NOCASE,
    pos_jews INTEGER DEFAULT 2,
    pos_djws INTEGER DEFAULT 2,
    pos_zlws INTEGER DEFAULT 2,
    pos_dkqx TEXT COLLATE NOCASE           -- kick the drawer when the payment window opens
);

-- SMS gateway account and message templates
CREATE TABLE jxc_smscs (
    id         INTEGER PRIMARY KEY,
    sms_sign   TEXT COLLATE NOCASE,
    sms_user   TEXT COLLATE NOCASE,
    sms_pwd    TEXT,
    sms_cznote TEXT COLLATE NOCASE,        -- template for top-ups
    sms_xfnote TEXT COLLATE NOCASE         -- template for purchases
);

-- receipt print settings
CREATE TABLE jxc_posprint (
    id      INTEGER PRIMARY KEY,
    pp_zjdy BOOLEAN DEFAULT 0,             -- print a receipt after checkout
    pp_fs   INTEGER DEFAULT 1,             -- default number of copies
    pp_bt1  TEXT COLLATE NOCASE,
    pp_bt2  TEXT COLLATE NOCASE,
    pp_jz1  TEXT COLLATE NOCASE,
    pp_jz2  TEXT COLLATE NOCASE,
    pp_kd   INTEGER DEFAULT 1,             -- paper width: 0 58 mm, 1 80 mm
    pp_bzxx BOOLEAN DEFAULT 0,             -- preview instead of printing
    pp_dkqx BOOLEAN DEFAULT 0,
    pp_zdqz BOOLEAN DEFAULT 0,
    pp_xfjf BOOLEAN DEFAULT 0,
    pp_jedx BOOLEAN DEFAULT 0,
    pp_fkfs BOOLEAN DEFAULT 0,
    pp_khs  TEXT COLLATE NOCASE DEFAULT '5',
    pp_dyfs INTEGER DEFAULT 0,
    pp_dyj  INTEGER DEFAULT 0
);

-- font size of the sale grid
CREATE TABLE jxc_posfont (
    id        INTEGER PRIMARY KEY,
    font_size INTEGER
);

-- shortcut keys of the sales screen: function name and virtual-key code
CREATE TABLE jxc_gnb (
    id      INTEGER PRIMARY KEY,
    gn_name TEXT COLLATE NOCASE,
    gn_jz   INTEGER DEFAULT 0
);
CREATE INDEX ix_gnb_name ON jxc_gnb (gn_name);
CREATE INDEX ix_gnb_jz ON jxc_gnb (gn_jz);

-- skin chosen per operator
CREATE TABLE jxc_skin (
    id        INTEGER PRIMARY KEY,
    skin_name TEXT COLLATE NOCASE,
    a_name    TEXT COLLATE NOCASE
);
CREATE INDEX ix_skin_aname ON jxc_skin (a_name);

-- ===========================================================================
-- Operators, roles, warehouses and staff
-- ===========================================================================

-- operators (login users)
CREATE TABLE jxc_admin (
    id       INTEGER PRIMARY KEY,
    a_name   TEXT COLLATE NOCASE,          -- login name
    a_sn     TEXT COLLATE NOCASE,          -- operator code
    a_pwd    TEXT DEFAULT '',
    r_sn     TEXT COLLATE NOCASE,          -- role code
    a_jyt    INTEGER DEFAULT 0,            -- 0: may log in
    a_pos    INTEGER DEFAULT 0,            -- non-zero: may authorise at the counter
    a_zreoje REAL DEFAULT 0                -- largest rounding-off the operator may give
);
CREATE INDEX ix_admin_name ON jxc_admin (a_name);
CREATE INDEX ix_admin_sn ON jxc_admin (a_sn);

-- roles: one string of '0'/'1' rights per rights group
CREATE TABLE jxc_role (
    id     INTEGER PRIMARY KEY,
    r_sn   TEXT COLLATE NOCASE,
    r_name TEXT COLLATE NOCASE,
    xsgl   TEXT COLLATE NOCASE,            -- sales rights (position 23: use the terminal)
    qtcz   TEXT COLLATE NOCASE             -- other rights (position 9: see earlier amounts)
);
CREATE INDEX ix_role_sn ON jxc_role (r_sn);

-- warehouses
CREATE TABLE jxc_ckxx (
    id         INTEGER PRIMARY KEY,
    ck_sn      TEXT COLLATE NOCASE,
    ck_name    TEXT COLLATE NOCASE,
    ck_asn     TEXT COLLATE NOCASE,        -- codes of the operators bound to the warehouse
    ck_pos     INTEGER DEFAULT 0,          -- non-zero: the counter's warehouse
    ck_default INTEGER DEFAULT 0
);
CREATE INDEX ix_ckxx_sn ON jxc_ckxx (ck_sn);

-- staff credited with sales (shopping guides, optometrists, lens processors, salespersons)
CREATE TABLE jxc_user (
    id     INTEGER PRIMARY KEY,
    u_sn   TEXT COLLATE NOCASE,
    u_name TEXT COLLATE NOCASE,
    u_jy   INTEGER DEFAULT 0,              -- 0: active
    u_xs   INTEGER DEFAULT 0,              -- shopping guide
    u_yg   INTEGER DEFAULT 0,              -- optometrist
    u_jg   INTEGER DEFAULT 0,              -- lens processor
    u_xsy  INTEGER DEFAULT 0,              -- salesperson
    ck_sn  TEXT COLLATE NOCASE DEFAULT '-1'               -- warehouse of the staff member, '-1' all
);
CREATE INDEX ix_user_sn ON jxc_user (u_sn);

-- operation log
CREATE TABLE jxc_log (
    id       INTEGER PRIMARY KEY,
    log_time TEXT COLLATE NOCASE,
    a_name   TEXT COLLATE NOCASE,
    log_note TEXT COLLATE NOCASE
);

-- ===========================================================================
-- Goods master data
-- ===========================================================================

-- goods classes
CREATE TABLE jxc_goodsclass (
    id      INTEGER PRIMARY KEY,
    gc_sn   TEXT COLLATE NOCASE,
    gc_name TEXT COLLATE NOCASE
);
CREATE INDEX ix_goodsclass_sn ON jxc_goodsclass (gc_sn);

-- goods: codes, names, units, prices, costs, regulatory and promotion flags
CREATE TABLE jxc_goods (
    id         INTEGER PRIMARY KEY,
    g_sn       TEXT COLLATE NOCASE NOT NULL UNIQUE, -- goods code ('00000000' is the rounding pseudo-goods)
    g_name     TEXT COLLATE NOCASE,
    g_jm       TEXT COLLATE NOCASE,        -- letter code (initials of the name)
    g_sptm     TEXT COLLATE NOCASE,        -- barcode of the base unit
    gc_sn      TEXT COLLATE NOCASE,        -- goods class
    dw_name    TEXT COLLATE NOCASE,        -- base unit
    gg_name    TEXT COLLATE NOCASE,        -- pack size or strength
    color_name TEXT COLLATE NOCASE,        -- approval number
    g_sccs     TEXT COLLATE NOCASE,        -- manufacturer
    hj_name    TEXT COLLATE NOCASE,        -- storage location
    g_bz       TEXT COLLATE NOCASE,        -- note
    g_qxlx     TEXT COLLATE NOCASE,        -- device type
    g_yjlx     TEXT COLLATE NOCASE,        -- spectacles item kind
    g_sj       REAL DEFAULT 0,             -- retail price
    g_sj1      REAL,                       -- prices by customer price type
    g_sj2      REAL,
    g_sj3      REAL,
    g_sj4      REAL,
    g_sj5      REAL,
    g_sj6      REAL,
    g_sj7      REAL,
    g_sj8      REAL,
    g_sj9      REAL,
    g_lsj      REAL DEFAULT 0,             -- list price
    g_jj       REAL DEFAULT 0,             -- purchase price
    g_pjjj     REAL DEFAULT 0,             -- average purchase price
    g_tax      REAL DEFAULT 0,             -- tax rate, percent
    g_gdcbj    INTEGER DEFAULT 0,          -- fixed cost: use g_jj as cost
    g_jy       INTEGER DEFAULT 0,          -- 0: on sale
    g_dzll     REAL DEFAULT 1,             -- the goods' own discount rate
    g_tjsp     BOOLEAN DEFAULT 0,          -- special price
    g_tjqx     BOOLEAN DEFAULT 0,          -- special price limited to a period
    g_ks       TEXT COLLATE NOCASE,        -- special price period start
    g_js       TEXT COLLATE NOCASE,        -- special price period end
    g_tj       REAL DEFAULT 0,             -- special price
    g_hyj      REAL DEFAULT 0,             -- special member price
    g_dxdz     BOOLEAN DEFAULT 0,          -- has discounts per member class
    g_iscf     INTEGER DEFAULT 0,          -- prescription goods
    g_xzsl     REAL DEFAULT 0,             -- most per sale; above 0 also marks narcotic-containing goods
    g_tssp     INTEGER DEFAULT 0,          -- special goods: fixed points per unit
    g_tsjf     REAL DEFAULT 0,
    g_iszp     INTEGER DEFAULT 0,          -- gift goods (redeemable for points)
    g_sy       INTEGER DEFAULT 1,          -- in use
    g_zpjf     REAL DEFAULT 0,             -- points price of a gift
    g_kc       REAL DEFAULT 0,             -- total stock, base units
    g_xspl     INTEGER DEFAULT 0           -- number of sale lines
);
CREATE INDEX ix_goods_sptm ON jxc_goods (g_sptm);
CREATE INDEX ix_goods_jm ON jxc_goods (g_jm);
CREATE INDEX ix_goods_name ON jxc_goods (g_name);
CREATE INDEX ix_goods_gc ON jxc_goods (gc_sn);

-- auxiliary units of goods: own barcode, conversion factor and prices
CREATE TABLE jxc_goodsdw (
    id      INTEGER PRIMARY KEY,
    g_sn    TEXT COLLATE NOCASE,
    dw_name TEXT COLLATE NOCASE,
    g_sptm  TEXT COLLATE NOCASE,
    g_zhxs  REAL DEFAULT 1,                -- base units per unit
    g_lsj   REAL DEFAULT 0,
    g_sj    REAL DEFAULT 0,
    g_sj1   REAL,
    g_sj2   REAL,
    g_sj3   REAL,
    g_sj4   REAL,
    g_sj5   REAL,
    g_sj6   REAL,
    g_sj7   REAL,
    g_sj8   REAL,
    g_sj9   REAL
);
CREATE INDEX ix_goodsdw_sn ON jxc_goodsdw (g_sn, dw_name);
CREATE INDEX ix_goodsdw_sptm ON jxc_goodsdw (g_sptm);

-- extra barcodes of the base unit
CREATE TABLE jxc_goodstm (
    id     INTEGER PRIMARY KEY,
    g_sn   TEXT COLLATE NOCASE,
    g_sptm TEXT COLLATE NOCASE,
    g_tmbz TEXT COLLATE NOCASE DEFAULT ''  -- barcode note shown after the name
);
CREATE INDEX ix_goodstm_sptm ON jxc_goodstm (g_sptm);
CREATE INDEX ix_goodstm_sn ON jxc_goodstm (g_sn);

-- discount of a goods for a member class ('' class: non-members)
CREATE TABLE jxc_dxdz (
    id      INTEGER PRIMARY KEY,
    hl_sn   TEXT COLLATE NOCASE DEFAULT '',
    g_sn    TEXT COLLATE NOCASE,
    hl_dxzk REAL DEFAULT 1
);
CREATE INDEX ix_dxdz_goods ON jxc_dxdz (g_sn, hl_sn);

-- customer price quotations
CREATE TABLE jxc_khbj (
    id    INTEGER PRIMARY KEY,
    kh_sn TEXT COLLATE NOCASE,
    g_sn  TEXT COLLATE NOCASE,
    kb_bj REAL DEFAULT 0
);
CREATE INDEX ix_khbj_goods ON jxc_khbj (g_sn, kh_sn);

-- customers ('100001' is the walk-in retail customer)
CREATE TABLE jxc_khxx (
    id         INTEGER PRIMARY KEY,
    kh_sn      TEXT COLLATE NOCASE,
    kh_name    TEXT COLLATE NOCASE,
    kt_sn      TEXT COLLATE NOCASE DEFAULT '1000', -- price type ('1000' standard price)
    kh_lxr     TEXT COLLATE NOCASE,
    kh_tele    TEXT COLLATE NOCASE,
    kh_address TEXT COLLATE NOCASE,
    kh_default INTEGER DEFAULT 0,
    kh_forbid  INTEGER DEFAULT 0,
    kh_lwje    REAL DEFAULT 0              -- account balance
);
CREATE INDEX ix_khxx_sn ON jxc_khxx (kh_sn);

-- suppliers
CREATE TABLE jxc_ghsxx (
    id          INTEGER PRIMARY KEY,
    ghs_sn      TEXT COLLATE NOCASE,
    ghs_name    TEXT COLLATE NOCASE,
    ghs_lxr     TEXT COLLATE NOCASE,
    ghs_tele    TEXT COLLATE NOCASE,
    ghs_address TEXT COLLATE NOCASE,
    ghs_default INTEGER DEFAULT 0,
    ghs_forbid  INTEGER DEFAULT 0
);
CREATE INDEX ix_ghsxx_sn ON jxc_ghsxx (ghs_sn);

-- ===========================================================================
-- Stock, cost and account ledgers
-- ===========================================================================

-- stock per warehouse and goods
CREATE TABLE jxc_kcsp (
    id      INTEGER PRIMARY KEY,
    ck_sn   TEXT COLLATE NOCASE,
    g_sn    TEXT COLLATE NOCASE,
    kc_sl   REAL DEFAULT 0,                -- on hand, base units
    kc_zsl  REAL DEFAULT 0,
    kc_xssl REAL DEFAULT 0,                -- sold
    kc_cbj  REAL DEFAULT 0                 -- cost per base unit
);
CREATE INDEX ix_kcsp_ck_goods ON jxc_kcsp (ck_sn, g_sn);
CREATE INDEX ix_kcsp_goods ON jxc_kcsp (g_sn);

-- stock per batch (goods, warehouse, expiry, batch, production date, sterilisation batch)
CREATE TABLE jxc_tkc (
    id     INTEGER PRIMARY KEY,
    g_sn   TEXT COLLATE NOCASE,
    ck_sn  TEXT COLLATE NOCASE,
    t_ph   TEXT COLLATE NOCASE DEFAULT '', -- batch number ('' for goods kept without)
    t_yxq  TEXT COLLATE NOCASE DEFAULT '', -- expiry
    t_scrq TEXT COLLATE NOCASE DEFAULT '', -- production date
    t_mjph TEXT COLLATE NOCASE DEFAULT '', -- sterilisation batch number
    t_jhrq TEXT COLLATE NOCASE DEFAULT '', -- receipt date
    t_sl   REAL DEFAULT 0                  -- quantity, base units
);
CREATE INDEX ix_tkc_goods_ck ON jxc_tkc (g_sn, ck_sn, t_yxq);

-- goods movement ledger with running stock, moving average cost and stock value
CREATE TABLE jxc_goodslist (
    id         INTEGER PRIMARY KEY,
    gl_flag    TEXT COLLATE NOCASE,        -- movement kind ('xs' sale, 'xt' return, 'dh' redemption ...)
    gl_djh     TEXT COLLATE NOCASE,
    gl_djh2    TEXT COLLATE NOCASE,
    id2        INTEGER,
    g_sn       TEXT COLLATE NOCASE,
    g_name     TEXT COLLATE NOCASE,
    g_jm       TEXT COLLATE NOCASE,
    dw_name    TEXT COLLATE NOCASE,
    gg_name    TEXT COLLATE NOCASE,
    color_name TEXT COLLATE NOCASE,
    ck_sn      TEXT COLLATE NOCASE,
    ck_name    TEXT COLLATE NOCASE,
    ghs_sn     TEXT COLLATE NOCASE,        -- counterparty code (customer, supplier or member)
    ghs_name   TEXT COLLATE NOCASE,
    u_name     TEXT COLLATE NOCASE,
    a_name     TEXT COLLATE NOCASE,
    gl_kdrq    TEXT COLLATE NOCASE,        -- document date
    gl_sl      REAL DEFAULT 0,             -- quantity, base units
    gl_sysl    REAL DEFAULT 0,             -- quantity in document units
    gl_dj      REAL DEFAULT 0,             -- unit price excluding tax
    gl_je      REAL DEFAULT 0,             -- amount excluding tax
    gl_zje     REAL DEFAULT 0,             -- amount including tax
    gl_lr      REAL DEFAULT 0,             -- profit
    gl_dzl     REAL DEFAULT 1,
    gl_tax     REAL DEFAULT 0,
    gl_taxdj   REAL DEFAULT 0,
    gl_taxje   REAL DEFAULT 0,
    gl_lsj     REAL DEFAULT 0,
    gl_cbj     REAL DEFAULT 0,
    gl_zcb     REAL DEFAULT 0,
    gl_dqkc    REAL DEFAULT 0,
    gl_qxsl    REAL DEFAULT 0,
    gl_sqsl    REAL DEFAULT 0,             -- stock before the row
    gl_sqje    REAL DEFAULT 0,             -- stock value before the row
    gl_kc      REAL DEFAULT 0,             -- stock after the row
    gl_kczje   REAL DEFAULT 0,             -- stock value after the row
    gl_pjjj    REAL DEFAULT 0,             -- moving average cost after the row
    gl_fdmc    TEXT COLLATE NOCASE DEFAULT '', -- '99': written by the terminal
    gl_checker TEXT COLLATE NOCASE,
    gl_chkrq   TEXT COLLATE NOCASE,
    gl_bz      TEXT COLLATE NOCASE,
    gl_note    TEXT COLLATE NOCASE,
    gl_xm      TEXT COLLATE NOCASE,
    gl_cardno  TEXT COLLATE NOCASE,
    t_yxq      TEXT COLLATE NOCASE DEFAULT '',
    t_ph       TEXT COLLATE NOCASE DEFAULT '',
    t_mjph     TEXT COLLATE NOCASE DEFAULT '',
    t_scrq     TEXT COLLATE NOCASE DEFAULT '',
    t_cfsm     TEXT COLLATE NOCASE,
    t_cfhm     TEXT COLLATE NOCASE,
    t_addr     TEXT COLLATE NOCASE,
    t_mobile   TEXT COLLATE NOCASE,
    t_yaoshi   TEXT COLLATE NOCASE
);
CREATE INDEX ix_goodslist_order ON jxc_goodslist (g_sn, ck_sn, gl_kdrq, id);
CREATE INDEX ix_goodslist_djh ON jxc_goodslist (gl_djh);

-- stock totals per month and warehouse
CREATE TABLE jxc_kcjs (
    id      INTEGER PRIMARY KEY,
    js_rq   TEXT COLLATE NOCASE,           -- month 'yyyy-mm'
    ck_sn   TEXT COLLATE NOCASE,
    js_sl   REAL DEFAULT 0,
    js_zje  REAL DEFAULT 0,
    js_xssl REAL DEFAULT 0,
    js_xsje REAL DEFAULT 0,
    js_cgsl REAL DEFAULT 0,
    js_cgje REAL DEFAULT 0,
    js_xslr REAL DEFAULT 0,
    js_xscb REAL DEFAULT 0
);
CREATE INDEX ix_kcjs_month ON jxc_kcjs (js_rq, ck_sn);

-- customer and supplier account ledger with running balance
CREATE TABLE jxc_ysyfk (
    id      INTEGER PRIMARY KEY,
    k_type  TEXT COLLATE NOCASE,           -- 'kh' customer, 'gh' supplier
    k_ghskh TEXT COLLATE NOCASE,           -- customer or supplier code
    k_rq    TEXT COLLATE NOCASE,
    gl_djh  TEXT COLLATE NOCASE,
    k_djlx  TEXT COLLATE NOCASE,           -- document kind code ('XS', 'XT' ...)
    k_djtxt TEXT COLLATE NOCASE,
    k_fkfs  TEXT COLLATE NOCASE,           -- money account
    k_sfje  REAL DEFAULT 0,
    k_yhje  REAL DEFAULT 0,
    k_qcje  REAL DEFAULT 0,
    k_yfje  REAL DEFAULT 0,
    k_ljje  REAL DEFAULT 0,                -- running balance
    k_note  TEXT COLLATE NOCASE,
    k_flag  INTEGER DEFAULT 1,
    a_name  TEXT COLLATE NOCASE,
    u_sn    TEXT COLLATE NOCASE
);
CREATE INDEX ix_ysyfk_order ON jxc_ysyfk (k_type, k_ghskh, k_rq);
CREATE INDEX ix_ysyfk_djh ON jxc_ysyfk (gl_djh);

-- account documents of the back office (receipts and payments)
CREATE TABLE jxc_ysyfk_dj (
    id      INTEGER PRIMARY KEY,
    gl_djh  TEXT COLLATE NOCASE,
    k_type  TEXT COLLATE NOCASE,
    k_ghskh TEXT COLLATE NOCASE,
    k_rq    TEXT COLLATE NOCASE,
    k_djlx  TEXT COLLATE NOCASE,
    k_fkfs  TEXT COLLATE NOCASE,
    k_sfje  REAL DEFAULT 0,
    k_yhje  REAL DEFAULT 0,
    k_note  TEXT COLLATE NOCASE,
    a_name  TEXT COLLATE NOCASE,
    u_sn    TEXT COLLATE NOCASE
);
CREATE INDEX ix_ysyfk_dj_djh ON jxc_ysyfk_dj (gl_djh);

-- invoice register with running balance
CREATE TABLE jxc_fpdjb (
    id         INTEGER PRIMARY KEY,
    fp_type    TEXT COLLATE NOCASE,        -- 'kh' customer
    fp_ghskh   TEXT COLLATE NOCASE,
    fp_rq      TEXT COLLATE NOCASE,
    gl_djh     TEXT COLLATE NOCASE,
    fp_djlx    TEXT COLLATE NOCASE,
    fp_djtxt   TEXT COLLATE NOCASE,
    fp_no      TEXT COLLATE NOCASE,        -- invoice number
    fp_sfje    REAL DEFAULT 0,
    fp_qcje    REAL DEFAULT 0,
    fp_yfje    REAL DEFAULT 0,
    fp_kpje    REAL DEFAULT 0,             -- amount invoiced
    fp_ljje    REAL DEFAULT 0,             -- running balance
    fp_note    TEXT COLLATE NOCASE,
    fp_flag    INTEGER DEFAULT 1,
    fp_check   INTEGER DEFAULT 1,          -- only checked rows count
    fp_checker TEXT COLLATE NOCASE,
    fp_chkrq   TEXT COLLATE NOCASE,
    a_name     TEXT COLLATE NOCASE,
    u_sn       TEXT COLLATE NOCASE
);
CREATE INDEX ix_fpdjb_order ON jxc_fpdjb (fp_type, fp_ghskh, fp_rq);
CREATE INDEX ix_fpdjb_djh ON jxc_fpdjb (gl_djh);

-- cash and bank journal with running balance per money account
CREATE TABLE jxc_xjyh (
    id       INTEGER PRIMARY KEY,
    xj_kmmc  TEXT COLLATE NOCASE,          -- money account name ('现金' ...)
    xj_rq    TEXT COLLATE NOCASE,
    gl_djh   TEXT COLLATE NOCASE,
    xj_dlx   TEXT COLLATE NOCASE,          -- entry kind text
    xj_je    REAL DEFAULT 0,               -- signed amount, money in positive
    xj_ljje  REAL DEFAULT 0,               -- running balance
    xj_chk   TEXT COLLATE NOCASE DEFAULT '1', -- '1': counts
    u_name   TEXT COLLATE NOCASE,
    ghs_name TEXT COLLATE NOCASE,
    ghs_sn   TEXT COLLATE NOCASE,
    ck_name  TEXT COLLATE NOCASE,
    xj_note  TEXT COLLATE NOCASE,
    a_name   TEXT COLLATE NOCASE
);
CREATE INDEX ix_xjyh_order ON jxc_xjyh (xj_kmmc, xj_rq);
CREATE INDEX ix_xjyh_djh ON jxc_xjyh (gl_djh);

-- expenses (cost of redeemed gifts)
CREATE TABLE jxc_yyfy (
    id      INTEGER PRIMARY KEY,
    gl_djh  TEXT COLLATE NOCASE,
    fy_rq   TEXT COLLATE NOCASE,
    fy_lx   TEXT COLLATE NOCASE,
    fy_je   REAL DEFAULT 0,
    u_sn    TEXT COLLATE NOCASE,
    fy_note TEXT COLLATE NOCASE,
    a_name  TEXT COLLATE NOCASE,
    fy_sc   TEXT COLLATE NOCASE,
    fy_flag TEXT COLLATE NOCASE,
    de_sn   TEXT COLLATE NOCASE,
    fy_kmmc TEXT COLLATE NOCASE,
    fy_chk  TEXT COLLATE NOCASE
);
CREATE INDEX ix_yyfy_djh ON jxc_yyfy (gl_djh);

-- ===========================================================================
-- Retail sale documents (working lines of the till and posted documents)
-- ===========================================================================

-- retail sale lines: the till's working lines, kept as the posted document's lines
CREATE TABLE jxc_lsxssp (
    id        INTEGER PRIMARY KEY,
    gl_djh    TEXT COLLATE NOCASE,
    g_sn      TEXT COLLATE NOCASE,
    a_name    TEXT COLLATE NOCASE,
    dw_name   TEXT COLLATE NOCASE DEFAULT '',
    g_sptm    TEXT COLLATE NOCASE DEFAULT '',
    g_zhxs    REAL DEFAULT 1,              -- base units per unit of the line
    ls_dj     REAL DEFAULT 0,              -- unit price before discount
    ls_dzl    REAL DEFAULT 1,              -- discount rate
    ls_dhdj   REAL DEFAULT 0,              -- unit price after discount
    ls_sl     REAL DEFAULT 0,              -- quantity in the line's unit
    ls_cksl   REAL DEFAULT 0,              -- quantity delivered
    ls_zsl    REAL DEFAULT 0,              -- quantity in base units
    ls_qxsl   REAL DEFAULT 0,
    ls_je     REAL DEFAULT 0,
    ls_zje    REAL DEFAULT 0,              -- line amount
    ls_zhje   REAL DEFAULT 0,
    ls_tax    REAL DEFAULT 0,
    ls_taxje  REAL DEFAULT 0,
    ls_taxdj  REAL DEFAULT 0,
    ls_lsj    REAL DEFAULT 0,              -- list price
    ls_cbj    REAL DEFAULT 0,              -- unit cost in the line's unit
    ls_cbj2   REAL DEFAULT 0,              -- unit cost in base units
    ls_zcb    REAL DEFAULT 0,              -- total cost
    ls_bz     TEXT COLLATE NOCASE,
    ghs_sn    TEXT COLLATE NOCASE,
    id2       INTEGER,
    id3       INTEGER,                     -- sales-order line delivered by this line
    t_yxq     TEXT COLLATE NOCASE DEFAULT '',
    t_ph      TEXT COLLATE NOCASE DEFAULT '',
    t_mjph    TEXT COLLATE NOCASE DEFAULT '',
    t_scrq    TEXT COLLATE NOCASE DEFAULT '',
    t_zp      TEXT COLLATE NOCASE DEFAULT '', -- gift marker '(赠品)'
    t_cfsm    TEXT COLLATE NOCASE DEFAULT '', -- registration note
    ls_xm     TEXT COLLATE NOCASE DEFAULT '', -- registered buyer
    ls_cardno TEXT COLLATE NOCASE DEFAULT '',
    t_cfhm    TEXT COLLATE NOCASE DEFAULT '', -- prescription number
    t_addr    TEXT COLLATE NOCASE DEFAULT '',
    t_mobile  TEXT COLLATE NOCASE DEFAULT '',
    t_yaoshi  TEXT COLLATE NOCASE DEFAULT '', -- pharmacist
    g_tmbz    TEXT COLLATE NOCASE DEFAULT '' -- barcode note
);
CREATE INDEX ix_lsxssp_djh ON jxc_lsxssp (gl_djh, a_name);
CREATE INDEX ix_lsxssp_goods ON jxc_lsxssp (g_sn);
CREATE INDEX ix_lsxssp_id3 ON jxc_lsxssp (id3);

-- retail sale lines parked by the back office (consulted for sale numbers)
CREATE TABLE jxc_lsxssptemp (
    id        INTEGER PRIMARY KEY,
    gl_djh    TEXT COLLATE NOCASE,
    g_sn      TEXT COLLATE NOCASE,
    a_name    TEXT COLLATE NOCASE,
    dw_name   TEXT COLLATE NOCASE DEFAULT '',
    g_sptm    TEXT COLLATE NOCASE DEFAULT '',
    g_zhxs    REAL DEFAULT 1,
    ls_dj     REAL DEFAULT 0,
    ls_dzl    REAL DEFAULT 1,
    ls_dhdj   REAL DEFAULT 0,
    ls_sl     REAL DEFAULT 0,
    ls_cksl   REAL DEFAULT 0,
    ls_zsl    REAL DEFAULT 0,
    ls_qxsl   REAL DEFAULT 0,
    ls_je     REAL DEFAULT 0,
    ls_zje    REAL DEFAULT 0,
    ls_zhje   REAL DEFAULT 0,
    ls_tax    REAL DEFAULT 0,
    ls_taxje  REAL DEFAULT 0,
    ls_taxdj  REAL DEFAULT 0,
    ls_lsj    REAL DEFAULT 0,
    ls_cbj    REAL DEFAULT 0,
    ls_cbj2   REAL DEFAULT 0,
    ls_zcb    REAL DEFAULT 0,
    ls_bz     TEXT COLLATE NOCASE,
    ghs_sn    TEXT COLLATE NOCASE,
    id2       INTEGER,
    id3       INTEGER,
    t_yxq     TEXT COLLATE NOCASE DEFAULT '',
    t_ph      TEXT COLLATE NOCASE DEFAULT '',
    t_mjph    TEXT COLLATE NOCASE DEFAULT '',
    t_scrq    TEXT COLLATE NOCASE DEFAULT '',
    t_zp      TEXT COLLATE NOCASE DEFAULT '',
    t_cfsm    TEXT COLLATE NOCASE DEFAULT '',
    ls_xm     TEXT COLLATE NOCASE DEFAULT '',
    ls_cardno TEXT COLLATE NOCASE DEFAULT '',
    t_cfhm    TEXT COLLATE NOCASE DEFAULT '',
    t_addr    TEXT COLLATE NOCASE DEFAULT '',
    t_mobile  TEXT COLLATE NOCASE DEFAULT '',
    t_yaoshi  TEXT COLLATE NOCASE DEFAULT '',
    g_tmbz    TEXT COLLATE NOCASE DEFAULT ''
);
CREATE INDEX ix_lsxssptemp_djh ON jxc_lsxssptemp (gl_djh, a_name);

-- retail sale document header
CREATE TABLE jxc_lsxsd (
    id         INTEGER PRIMARY KEY,
    gl_djh     TEXT COLLATE NOCASE,
    gl_djh2    TEXT COLLATE NOCASE,
    kh_sn      TEXT COLLATE NOCASE,
    ck_sn      TEXT COLLATE NOCASE,
    u_sn       TEXT COLLATE NOCASE,
    hy_sn      TEXT COLLATE NOCASE,
    a_name     TEXT COLLATE NOCASE,
    ls_xsrq    TEXT COLLATE NOCASE,        -- sale date
    ls_yfje    REAL DEFAULT 0,             -- amount due
    ls_sfje    REAL DEFAULT 0,             -- amount received
    ls_yhje    REAL DEFAULT 0,             -- rounding-off / discount
    ls_lr      REAL DEFAULT 0,             -- profit
    ls_th      INTEGER DEFAULT 0,
    ls_qk      INTEGER DEFAULT 0,
    ls_hkje    REAL DEFAULT 0,
    ls_fpje    REAL DEFAULT 0,
    ls_fpno    TEXT COLLATE NOCASE DEFAULT '',
    ls_yf      REAL DEFAULT 0,             -- freight
    ls_bzf     REAL DEFAULT 0,             -- packaging
    ls_yffs    TEXT COLLATE NOCASE,
    ls_jsfs    INTEGER DEFAULT 0,          -- 0: settled in full at once
    ls_kmmc    TEXT COLLATE NOCASE,        -- money account
    ls_note    TEXT COLLATE NOCASE,
    ls_status  INTEGER DEFAULT 0,          -- 1: posted
    ls_checker TEXT COLLATE NOCASE,
    ls_chkrq   TEXT COLLATE NOCASE,
    ls_dhbz    INTEGER DEFAULT 0,
    pos_zffs   INTEGER DEFAULT 0,
    pos_xj     REAL DEFAULT 0,
    pos_czk    REAL DEFAULT 0,
    pos_yhk    REAL DEFAULT 0,
    pos_djq    REAL DEFAULT 0,
    pos_rjid   TEXT COLLATE NOCASE DEFAULT ''
);
CREATE INDEX ix_lsxsd_djh ON jxc_lsxsd (gl_djh);
CREATE INDEX ix_lsxsd_kh ON jxc_lsxsd (kh_sn, ls_xsrq);

-- sales-order lines of the back office (delivered quantities)
CREATE TABLE jxc_xssp (
    id      INTEGER PRIMARY KEY,
    id2     INTEGER,
    gl_djh  TEXT COLLATE NOCASE,
    g_sn    TEXT COLLATE NOCASE,
    a_name  TEXT COLLATE NOCASE,
    dw_name TEXT COLLATE NOCASE,
    ls_dj   REAL DEFAULT 0,
    ls_sl   REAL DEFAULT 0,
    ls_zje  REAL DEFAULT 0,
    ls_cksl REAL DEFAULT 0,                -- quantity delivered so far
    ls_dhbz INTEGER DEFAULT 0              -- 1: fully delivered
);
CREATE INDEX ix_xssp_id2 ON jxc_xssp (id2);
CREATE INDEX ix_xssp_djh ON jxc_xssp (gl_djh);

-- ===========================================================================
-- POS records (sales, returns and held sales)
-- ===========================================================================

-- POS record header: tenders, rounding-off, member points, optical data
CREATE TABLE jxc_posxsd (
    id         INTEGER PRIMARY KEY,
    gl_djh     TEXT COLLATE NOCASE,
    pos_xsrq   TEXT COLLATE NOCASE,        -- moment of the sale (held sales: date only)
    hy_sn      TEXT COLLATE NOCASE DEFAULT '',
    kh_sn      TEXT COLLATE NOCASE,
    ck_sn      TEXT COLLATE NOCASE,
    u_sn       TEXT COLLATE NOCASE,
    a_name     TEXT COLLATE NOCASE,
    pos_yfje   REAL DEFAULT 0,             -- amount due
    pos_sfje   REAL DEFAULT 0,             -- amount paid
    pos_mlje   REAL DEFAULT 0,             -- rounding-off
    pos_yhje   REAL DEFAULT 0,
    pos_yhzkje REAL DEFAULT 0,             -- total discount
    pos_zffs   INTEGER DEFAULT 0,          -- 5 sale, 1 return
    pos_xj     REAL DEFAULT 0,             -- cash
    pos_czk    REAL DEFAULT 0,             -- stored-value card
    pos_yhk    REAL DEFAULT 0,             -- bank card
    pos_djq    REAL DEFAULT 0,             -- medical-insurance card
    pos_wxje   REAL DEFAULT 0,             -- WeChat
    pos_zfbje  REAL DEFAULT 0,             -- Alipay
    pos_zlje   REAL DEFAULT 0,             -- change
    pos_note   TEXT COLLATE NOCASE DEFAULT '', -- remark; 'gd' marks a held sale
    pos_rjid   TEXT COLLATE NOCASE DEFAULT '',
    pos_bcjf   REAL DEFAULT 0,             -- points earned by this record
    pos_zjf    REAL DEFAULT 0,             -- member's points after this record
    pos_jfye   REAL DEFAULT 0,             -- stored-value reward of the bonus group
    pos_zftype TEXT COLLATE NOCASE DEFAULT '0', -- '1': released a top-up bonus
    pos_name   TEXT COLLATE NOCASE,
    pos_tele   TEXT COLLATE NOCASE,
    pos_qjz    TEXT COLLATE NOCASE,
    pos_qjy    TEXT COLLATE NOCASE,
    pos_zjz    TEXT COLLATE NOCASE,
    pos_zjy    TEXT COLLATE NOCASE,
    pos_zxz    TEXT COLLATE NOCASE,
    pos_zxy    TEXT COLLATE NOCASE,
    pos_jzslz  TEXT COLLATE NOCASE,
    pos_jzsly  TEXT COLLATE NOCASE,
    pos_tj     TEXT COLLATE NOCASE,
    pos_add    TEXT COLLATE NOCASE,
    pos_yt     TEXT COLLATE NOCASE,
    pos_qjrq   TEXT COLLATE NOCASE,
    pos_bz     TEXT COLLATE NOCASE,
    pos_ygs    TEXT COLLATE NOCASE,
    pos_jgy    TEXT COLLATE NOCASE,
    pos_xsy    TEXT COLLATE NOCASE,
    u_ygs      TEXT COLLATE NOCASE,
    u_jgy      TEXT COLLATE NOCASE,
    u_xsy      TEXT COLLATE NOCASE
);
CREATE INDEX ix_posxsd_djh ON jxc_posxsd (gl_djh);
CREATE INDEX ix_posxsd_rq ON jxc_posxsd (pos_xsrq);
CREATE INDEX ix_posxsd_aname ON jxc_posxsd (a_name, pos_xsrq);
CREATE INDEX ix_posxsd_hy ON jxc_posxsd (hy_sn);

-- POS record lines
CREATE TABLE jxc_posxssp (
    id         INTEGER PRIMARY KEY,
    gl_djh     TEXT COLLATE NOCASE,
    g_sn       TEXT COLLATE NOCASE,
    a_name     TEXT COLLATE NOCASE,
    dw_name    TEXT COLLATE NOCASE DEFAULT '',
    g_sptm     TEXT COLLATE NOCASE DEFAULT '',
    g_zhxs     REAL DEFAULT 1,
    pos_dj     REAL DEFAULT 0,
    pos_sl     REAL DEFAULT 0,
    pos_zje    REAL DEFAULT 0,
    pos_dzl    REAL DEFAULT 1,
    pos_zhje   REAL DEFAULT 0,
    pos_cbj    REAL DEFAULT 0,
    pos_zcb    REAL DEFAULT 0,
    pos_lsj    REAL DEFAULT 0,
    pos_zsl    REAL DEFAULT 0,
    pos_xm     TEXT COLLATE NOCASE DEFAULT '',
    pos_cardno TEXT COLLATE NOCASE DEFAULT '',
    t_yxq      TEXT COLLATE NOCASE DEFAULT '',
    t_ph       TEXT COLLATE NOCASE DEFAULT '',
    t_mjph     TEXT COLLATE NOCASE DEFAULT '',
    t_scrq     TEXT COLLATE NOCASE DEFAULT '',
    t_zp       TEXT COLLATE NOCASE DEFAULT '',
    t_cfsm     TEXT COLLATE NOCASE DEFAULT '',
    t_cfhm     TEXT COLLATE NOCASE DEFAULT '',
    t_addr     TEXT COLLATE NOCASE DEFAULT '',
    t_mobile   TEXT COLLATE NOCASE DEFAULT '',
    t_yaoshi   TEXT COLLATE NOCASE DEFAULT '',
    g_tmbz     TEXT COLLATE NOCASE DEFAULT ''
);
CREATE INDEX ix_posxssp_djh ON jxc_posxssp (gl_djh);
CREATE INDEX ix_posxssp_goods ON jxc_posxssp (g_sn);

-- POS return lines kept by the back office (consulted for return numbers)
CREATE TABLE jxc_posthsp (
    id       INTEGER PRIMARY KEY,
    gl_djh   TEXT COLLATE NOCASE,
    gl_djh2  TEXT COLLATE NOCASE,
    g_sn     TEXT COLLATE NOCASE,
    a_name   TEXT COLLATE NOCASE,
    dw_name  TEXT COLLATE NOCASE DEFAULT '',
    g_sptm   TEXT COLLATE NOCASE DEFAULT '',
    g_zhxs   REAL DEFAULT 1,
    th_dj    REAL DEFAULT 0,
    th_dzl   REAL DEFAULT 1,
    th_sl    REAL DEFAULT 0,
    th_zhje  REAL DEFAULT 0,
    th_zje   REAL DEFAULT 0,
    th_je    REAL DEFAULT 0,
    th_zsl   REAL DEFAULT 0,
    th_tax   REAL DEFAULT 0,
    th_taxdj REAL DEFAULT 0,
    th_taxje REAL DEFAULT 0,
    th_lsj   REAL DEFAULT 0,
    th_cbj   REAL DEFAULT 0,
    th_zcb   REAL DEFAULT 0,
    th_bz    TEXT COLLATE NOCASE,
    t_yxq    TEXT COLLATE NOCASE DEFAULT '',
    t_ph     TEXT COLLATE NOCASE DEFAULT '',
    t_scrq   TEXT COLLATE NOCASE DEFAULT '',
    t_mjph   TEXT COLLATE NOCASE DEFAULT ''
);
CREATE INDEX ix_posthsp_djh ON jxc_posthsp (gl_djh);

-- print data set of the receipt layout (loss and expense goods lines of the back office)
CREATE TABLE jxc_blfysp (
    id      INTEGER PRIMARY KEY,
    gl_djh  TEXT COLLATE NOCASE,
    g_sn    TEXT COLLATE NOCASE,
    a_name  TEXT COLLATE NOCASE,
    dw_name TEXT COLLATE NOCASE,
    bl_sl   REAL DEFAULT 0,
    bl_dj   REAL DEFAULT 0,
    bl_je   REAL DEFAULT 0,
    bl_note TEXT COLLATE NOCASE
);
CREATE INDEX ix_blfysp_djh ON jxc_blfysp (gl_djh);

-- ===========================================================================
-- Sales returns
-- ===========================================================================

-- sales return header
CREATE TABLE jxc_xsthd (
    id         INTEGER PRIMARY KEY,
    gl_djh     TEXT COLLATE NOCASE,
    gl_djh2    TEXT COLLATE NOCASE,
    hy_sn      TEXT COLLATE NOCASE DEFAULT '',
    kh_sn      TEXT COLLATE NOCASE,
    ck_sn      TEXT COLLATE NOCASE,
    u_sn       TEXT COLLATE NOCASE,
    a_name     TEXT COLLATE NOCASE,
    th_xsrq    TEXT COLLATE NOCASE,        -- return date
    th_yfje    REAL DEFAULT 0,
    th_sfje    REAL DEFAULT 0,
    th_fpje    REAL DEFAULT 0,
    th_fpno    TEXT COLLATE NOCASE DEFAULT '',
    th_hkje    REAL DEFAULT 0,
    th_note    TEXT COLLATE NOCASE DEFAULT '',
    th_status  INTEGER DEFAULT 0,
    th_checker TEXT COLLATE NOCASE,
    th_chkrq   TEXT COLLATE NOCASE,
    th_jsfs    INTEGER DEFAULT 1,
    th_kmmc    TEXT COLLATE NOCASE,        -- money account
    th_qk      INTEGER DEFAULT 0
);
CREATE INDEX ix_xsthd_djh ON jxc_xsthd (gl_djh);

-- sales return lines
CREATE TABLE jxc_xsthsp (
    id       INTEGER PRIMARY KEY,
    gl_djh   TEXT COLLATE NOCASE,
    gl_djh2  TEXT COLLATE NOCASE,
    g_sn     TEXT COLLATE NOCASE,
    a_name   TEXT COLLATE NOCASE,
    dw_name  TEXT COLLATE NOCASE DEFAULT '',
    g_sptm   TEXT COLLATE NOCASE DEFAULT '',
    g_zhxs   REAL DEFAULT 1,
    th_dj    REAL DEFAULT 0,               -- unit price
    th_dzl   REAL DEFAULT 1,               -- discount rate
    th_sl    REAL DEFAULT 0,               -- quantity returned
    th_zhje  REAL DEFAULT 0,               -- quantity sold
    th_zje   REAL DEFAULT 0,               -- line amount
    th_je    REAL DEFAULT 0,
    th_zsl   REAL DEFAULT 0,               -- quantity returned, base units
    th_tax   REAL DEFAULT 0,
    th_taxdj REAL DEFAULT 0,
    th_taxje REAL DEFAULT 0,
    th_lsj   REAL DEFAULT 0,
    th_cbj   REAL DEFAULT 0,
    th_zcb   REAL DEFAULT 0,
    th_bz    TEXT COLLATE NOCASE,
    t_yxq    TEXT COLLATE NOCASE DEFAULT '',
    t_ph     TEXT COLLATE NOCASE DEFAULT '',
    t_scrq   TEXT COLLATE NOCASE DEFAULT '',
    t_mjph   TEXT COLLATE NOCASE DEFAULT ''
);
CREATE INDEX ix_xsthsp_djh ON jxc_xsthsp (gl_djh, a_name);

-- ===========================================================================
-- Members
-- ===========================================================================

-- member classes: discount rate and points range
CREATE TABLE jxc_hyfl (
    id      INTEGER PRIMARY KEY,
    hl_sn   TEXT COLLATE NOCASE,
    hl_name TEXT COLLATE NOCASE,
    hl_zk   REAL DEFAULT 1,                -- discount rate (1 = none)
    hl_jfxx REAL DEFAULT 0,                -- lowest accumulated points
    hl_jfsx REAL DEFAULT 0                 -- highest accumulated points
);
CREATE INDEX ix_hyfl_sn ON jxc_hyfl (hl_sn);

-- member bonus groups: top-up bonus kind and factor, spend reward
CREATE TABLE jxc_hyyh (
    id      INTEGER PRIMARY KEY,
    hh_sn   TEXT COLLATE NOCASE,
    hh_name TEXT COLLATE NOCASE,
    hh_zl   INTEGER DEFAULT 0,             -- 0 factor bonus, 2 amount rules, other no bonus
    hh_yh1  REAL DEFAULT 1,                -- top-up factor
    hh_yh2  REAL DEFAULT 0,                -- spend step
    hh_yh3  REAL DEFAULT 0                 -- stored-value reward per step
);
CREATE INDEX ix_hyyh_sn ON jxc_hyyh (hh_sn);

-- top-up bonus rules keyed by the exact top-up amount
CREATE TABLE jxc_hyczzs (
    id      INTEGER PRIMARY KEY,
    hs_sn   TEXT COLLATE NOCASE,
    hs_czje REAL DEFAULT 0,                -- top-up amount
    hs_zsje REAL DEFAULT 0,                -- bonus
    hs_zsfs INTEGER DEFAULT 0,             -- release mode 0..4
    hs_myje REAL DEFAULT 0,                -- released per month or day
    hs_txt  TEXT COLLATE NOCASE,
    hs_note TEXT COLLATE NOCASE
);
CREATE INDEX ix_hyczzs_je ON jxc_hyczzs (hs_czje);

-- members: card, password, class, points, stored value, contact data
CREATE TABLE jxc_hyxx (
    id         INTEGER PRIMARY KEY,
    hy_sn      TEXT COLLATE NOCASE,        -- internal member code
    hy_bh      TEXT COLLATE NOCASE,        -- card number
    hy_name    TEXT COLLATE NOCASE,
    hy_jm      TEXT COLLATE NOCASE,        -- letter code of the name
    hy_mm      TEXT DEFAULT '',            -- member password
    hl_sn      TEXT COLLATE NOCASE,        -- member class
    hh_sn      TEXT COLLATE NOCASE,        -- bonus group
    hy_jf      REAL DEFAULT 0,             -- spendable points
    hy_zjf     REAL DEFAULT 0,             -- points earned in total
    hy_zhje    REAL DEFAULT 0,             -- stored-value balance
    hy_zje     REAL DEFAULT 0,             -- total spend
    hy_cs      INTEGER DEFAULT 0,          -- number of purchases
    hy_ye      REAL DEFAULT 0,             -- spend not yet turned into points
    hy_status  BOOLEAN DEFAULT 1,          -- card enabled
    hy_sj      BOOLEAN DEFAULT 1,          -- class follows the points
    hy_qx      BOOLEAN DEFAULT 0,          -- card has an expiry date
    hy_dqrq    TEXT COLLATE NOCASE,        -- expiry date
    hy_sr      TEXT COLLATE NOCASE,        -- birthday
    hy_jrrq    TEXT COLLATE NOCASE,        -- date of joining
    hy_sex     TEXT COLLATE NOCASE,
    hy_tele    TEXT COLLATE NOCASE,
    hy_mobile  TEXT COLLATE NOCASE,
    hy_email   TEXT COLLATE NOCASE,
    hy_zjlx    TEXT COLLATE NOCASE,
    hy_zjhm    TEXT COLLATE NOCASE,
    hy_dwzy    TEXT COLLATE NOCASE,
    hy_address TEXT COLLATE NOCASE,
    hy_qtxx    TEXT COLLATE NOCASE,
    hy_note    TEXT COLLATE NOCASE,
    hy_cg      REAL DEFAULT 0,
    hy_syje    REAL DEFAULT 0,
    hy_xjsyje  REAL DEFAULT 0,
    hy_fsn     TEXT COLLATE NOCASE DEFAULT ''
);
CREATE INDEX ix_hyxx_sn ON jxc_hyxx (hy_sn);
CREATE INDEX ix_hyxx_bh ON jxc_hyxx (hy_bh);
CREATE INDEX ix_hyxx_mobile ON jxc_hyxx (hy_mobile);
CREATE INDEX ix_hyxx_tele ON jxc_hyxx (hy_tele);
CREATE INDEX ix_hyxx_jm ON jxc_hyxx (hy_jm);
CREATE INDEX ix_hyxx_name ON jxc_hyxx (hy_name);

-- member top-ups, fees and deferred bonus releases
CREATE TABLE jxc_hyxf (
    id       INTEGER PRIMARY KEY,
    gl_djh   TEXT COLLATE NOCASE,
    hy_sn    TEXT COLLATE NOCASE,
    xf_rq    TEXT COLLATE NOCASE,
    xf_je    REAL DEFAULT 0,               -- amount added to the balance
    xf_yhje  REAL DEFAULT 0,               -- bonus credited with the top-up
    xf_djq   REAL DEFAULT 0,
    xf_czk   REAL DEFAULT 0,
    xf_xj    REAL DEFAULT 0,               -- cash
    xf_xyk   REAL DEFAULT 0,               -- credit card
    xf_wxje  REAL DEFAULT 0,               -- WeChat
    xf_zfbje REAL DEFAULT 0,               -- Alipay
    xf_zlje  REAL DEFAULT 0,               -- change
    a_name   TEXT COLLATE NOCASE,
    xf_note  TEXT COLLATE NOCASE,
    xf_zt    TEXT COLLATE NOCASE,          -- kind text
    xf_zsrq  TEXT COLLATE NOCASE,          -- date of the last bonus release
    hs_zsfs  INTEGER DEFAULT 0,            -- release mode of the rule (-1/-3 release rows)
    hs_myje  REAL DEFAULT 0,
    hs_zsje  REAL DEFAULT 0                -- bonus still to release
);
CREATE INDEX ix_hyxf_djh ON jxc_hyxf (gl_djh);
CREATE INDEX ix_hyxf_hy ON jxc_hyxf (hy_sn);
CREATE INDEX ix_hyxf_aname ON jxc_hyxf (a_name, xf_rq);

-- gift redemption header
CREATE TABLE jxc_dhd (
    id      INTEGER PRIMARY KEY,
    gl_djh  TEXT COLLATE NOCASE,
    hy_sn   TEXT COLLATE NOCASE,
    dh_dhrq TEXT COLLATE NOCASE,
    dh_sl   REAL DEFAULT 0,
    dh_jf   REAL DEFAULT 0,
    a_name  TEXT COLLATE NOCASE,
    ck_sn   TEXT COLLATE NOCASE,
    dh_note TEXT COLLATE NOCASE
);
CREATE INDEX ix_dhd_djh ON jxc_dhd (gl_djh);

-- gift redemption lines
CREATE TABLE jxc_dhzp (
    id      INTEGER PRIMARY KEY,
    gl_djh  TEXT COLLATE NOCASE,
    g_sn    TEXT COLLATE NOCASE,
    dh_zpjf REAL DEFAULT 0,                -- points per unit
    dh_sl   REAL DEFAULT 0,
    dh_jf   REAL DEFAULT 0,                -- points of the line
    a_name  TEXT COLLATE NOCASE
);
CREATE INDEX ix_dhzp_djh ON jxc_dhzp (gl_djh, a_name);

-- SMS notices sent to members
CREATE TABLE jxc_smshy (
    id        INTEGER PRIMARY KEY,
    gl_djh    TEXT COLLATE NOCASE,
    hy_sn     TEXT COLLATE NOCASE,
    hy_mobile TEXT COLLATE NOCASE,
    sms_rq    TEXT COLLATE NOCASE,
    sms_note  TEXT COLLATE NOCASE,
    a_name    TEXT COLLATE NOCASE
);
CREATE INDEX ix_smshy_djh ON jxc_smshy (gl_djh);

-- ===========================================================================
-- Shift and cash
-- ===========================================================================

-- shift handovers
CREATE TABLE jxc_poshb (
    id           INTEGER PRIMARY KEY,
    jb_begintime TEXT COLLATE NOCASE,
    jb_endtime   TEXT COLLATE NOCASE,
    a_name       TEXT COLLATE NOCASE,
    jb_xsje      REAL DEFAULT 0,           -- sales
    jb_xjje      REAL DEFAULT 0,           -- cash
    jb_czkje     REAL DEFAULT 0,           -- stored-value card
    jb_yhkje     REAL DEFAULT 0,           -- bank card
    jb_djqje     REAL DEFAULT 0,           -- medical-insurance card
    jb_wxje      REAL DEFAULT 0,
    jb_zfbje     REAL DEFAULT 0,
    jb_mlje      REAL DEFAULT 0,           -- rounding-off
    jb_zlje      REAL DEFAULT 0,           -- change
    jb_thje      REAL DEFAULT 0,           -- returns
    jb_rkje      REAL DEFAULT 0,           -- cash in
    jb_ckje      REAL DEFAULT 0,           -- cash out
    jb_xfje      REAL DEFAULT 0,           -- member top-ups
    jb_xjje2     REAL DEFAULT 0,
    jb_yhkje2    REAL DEFAULT 0,
    jb_wxje2     REAL DEFAULT 0,
    jb_zfbje2    REAL DEFAULT 0,
    jb_zlje2     REAL DEFAULT 0,
    jb_yjje      REAL DEFAULT 0,           -- expected amount
    jb_sjje      REAL DEFAULT 0,           -- amount handed over
    jb_note      TEXT COLLATE NOCASE
);
CREATE INDEX ix_poshb_begin ON jxc_poshb (jb_begintime, a_name);

-- shift handovers as listed by the back office
CREATE TABLE jxc_jbgl (
    id           INTEGER PRIMARY KEY,
    jb_begintime TEXT COLLATE NOCASE,
    jb_endtime   TEXT COLLATE NOCASE,
    a_name       TEXT COLLATE NOCASE,
    jb_xsje      REAL DEFAULT 0,
    jb_xjje      REAL DEFAULT 0,
    jb_czkje     REAL DEFAULT 0,
    jb_yhkje     REAL DEFAULT 0,
    jb_djqje     REAL DEFAULT 0,
    jb_wxje      REAL DEFAULT 0,
    jb_zfbje     REAL DEFAULT 0,
    jb_mlje      REAL DEFAULT 0,
    jb_zlje      REAL DEFAULT 0,
    jb_thje      REAL DEFAULT 0,
    jb_rkje      REAL DEFAULT 0,
    jb_ckje      REAL DEFAULT 0,
    jb_xfje      REAL DEFAULT 0,
    jb_xjje2     REAL DEFAULT 0,
    jb_yhkje2    REAL DEFAULT 0,
    jb_wxje2     REAL DEFAULT 0,
    jb_zfbje2    REAL DEFAULT 0,
    jb_zlje2     REAL DEFAULT 0,
    jb_yjje      REAL DEFAULT 0,
    jb_sjje      REAL DEFAULT 0,
    jb_note      TEXT COLLATE NOCASE
);

-- cash in and cash out of the drawer
CREATE TABLE jxc_crk (
    id       INTEGER PRIMARY KEY,
    gl_djh   TEXT COLLATE NOCASE,
    crk_rq   TEXT COLLATE NOCASE,
    crk_je   REAL DEFAULT 0,
    crk_flag TEXT COLLATE NOCASE,          -- 'r' cash in, 'c' cash out
    crk_note TEXT COLLATE NOCASE,
    a_name   TEXT COLLATE NOCASE
);
CREATE INDEX ix_crk_djh ON jxc_crk (gl_djh);
CREATE INDEX ix_crk_aname ON jxc_crk (a_name, crk_rq);
