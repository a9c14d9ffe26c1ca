-- The whole schema of a new corvext.db.
-- Dates are stored as 'yyyy-mm-dd' (DATE) and times as 'hh:mm' (TIME); texts compare without
-- regard to ASCII case; Booleans are 0/1. TEXT(255) is not a limit (SQLite keeps texts of any
-- length): it is the size the ODBC driver reports, so that each value is read through a small
-- buffer instead of a 64 KB one. Nothing here may contain a hash sign, and every
-- statement ends with a semicolon.

-- Operators

CREATE TABLE operatori (
    idOperatore INTEGER PRIMARY KEY AUTOINCREMENT,
    opUser      TEXT(255) COLLATE NOCASE,
    opPassword  TEXT(255) COLLATE NOCASE,
    opTipo      TEXT(255) COLLATE NOCASE
);

-- Code tables

CREATE TABLE zone (
    idZona     INTEGER PRIMARY KEY AUTOINCREMENT,
    sigla_zona TEXT(255) COLLATE NOCASE,
    desc_zona  TEXT(255) COLLATE NOCASE,
    eliminato  INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE posizione (
    idPos           INTEGER PRIMARY KEY AUTOINCREMENT,
    sigla_posizione TEXT(255) COLLATE NOCASE,
    posizione       TEXT(255) COLLATE NOCASE,
    eliminato       INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE tipoProd (
    idTpProd            INTEGER PRIMARY KEY AUTOINCREMENT,
    sigla_tipo_prodotto TEXT(255) COLLATE NOCASE,
    tipo_nome           TEXT(255) COLLATE NOCASE,
    eliminato           INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE tipocli (
    idTipoCli      INTEGER PRIMARY KEY AUTOINCREMENT,
    sigla_tipo_cli TEXT(255) COLLATE NOCASE,
    cli_nome_tipo  TEXT(255) COLLATE NOCASE,
    eliminato      INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE tipoabb (
    idTpAbb           INTEGER PRIMARY KEY AUTOINCREMENT,
    sigla_abbonamento TEXT(255) COLLATE NOCASE,
    desc_abb          TEXT(255) COLLATE NOCASE,
    eliminato         INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE marche (
    idMarca     INTEGER PRIMARY KEY AUTOINCREMENT,
    sigla_marca TEXT(255) COLLATE NOCASE,
    marca       TEXT(255) COLLATE NOCASE,
    eliminato   INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE tipologia_attivita (
    idTipoAttività INTEGER PRIMARY KEY AUTOINCREMENT,
    at_codice      TEXT(255) COLLATE NOCASE,
    at_nome        TEXT(255) COLLATE NOCASE,
    eliminato      INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE tipoRichiesta (
    idTipoRichiesta INTEGER PRIMARY KEY AUTOINCREMENT,
    tipoRicSigla    TEXT(255) COLLATE NOCASE,
    tipoRicNome     TEXT(255) COLLATE NOCASE
);

CREATE TABLE area_int (
    idGruppo           INTEGER PRIMARY KEY AUTOINCREMENT,
    gruppo_nome        TEXT(255) COLLATE NOCASE,
    gruppo_descrizione TEXT(255) COLLATE NOCASE,
    eliminato          INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE difetti (
    idDifetto      INTEGER PRIMARY KEY AUTOINCREMENT,
    df_nome        TEXT(255) COLLATE NOCASE,
    df_descrizione TEXT(255) COLLATE NOCASE,
    eliminato      INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE tipogas (
    idTpGas        INTEGER PRIMARY KEY AUTOINCREMENT,
    sigla_tipo_gas TEXT(255) COLLATE NOCASE,
    tipogas        TEXT(255) COLLATE NOCASE,
    eliminato      INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE tipoManutenzioni (
    idTipoMan      INTEGER PRIMARY KEY AUTOINCREMENT,
    sigla_tipo_man TEXT(255) COLLATE NOCASE,
    desc_tipo_man  TEXT(255) COLLATE NOCASE,
    eliminato      INTEGER NOT NULL DEFAULT 0
);

-- Staff, catalogue and calendar

CREATE TABLE installatori (
    idInst             INTEGER PRIMARY KEY AUTOINCREMENT,
    nome_ins           TEXT(255) COLLATE NOCASE,
    ragionesociale_ins TEXT(255) COLLATE NOCASE,
    indirizzo_ins      TEXT(255) COLLATE NOCASE,
    numero_ins         TEXT(255) COLLATE NOCASE,
    interno_ins        TEXT(255) COLLATE NOCASE,
    localita_ins       TEXT(255) COLLATE NOCASE,
    caplocalita_ins    TEXT(255) COLLATE NOCASE,
    comune_ins         TEXT(255) COLLATE NOCASE,
    capcomune_ins      TEXT(255) COLLATE NOCASE,
    provincia_ins      TEXT(255) COLLATE NOCASE,
    telefono_ins       TEXT(255) COLLATE NOCASE,
    cellulare_ins      TEXT(255) COLLATE NOCASE,
    email_ins          TEXT(255) COLLATE NOCASE,
    eliminato          INTEGER NOT NULL DEFAULT 0
);

-- eliminato: 0 enabled, 1 disabled.
CREATE TABLE tecnici (
    idTecn        INTEGER PRIMARY KEY AUTOINCREMENT,
    sigla_tecnico TEXT(255) COLLATE NOCASE,
    tecnico       TEXT(255) COLLATE NOCASE,
    eliminato     INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE tecnici_per_zona (
    idTecZon   INTEGER PRIMARY KEY AUTOINCREMENT,
    codZona    INTEGER,
    codTecnico INTEGER,
    eliminato  INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE prodotti (
    idModello         INTEGER PRIMARY KEY AUTOINCREMENT,
    modello           TEXT(255) COLLATE NOCASE,
    cod_marca         INTEGER,
    cod_tipo_prodotto INTEGER,
    eliminato         INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE materiali (
    idMat           INTEGER PRIMARY KEY AUTOINCREMENT,
    mat_nome        TEXT(255) COLLATE NOCASE,
    mat_descrizione TEXT(255) COLLATE NOCASE,
    cod_gruppo      INTEGER,
    eliminato       INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE ferie (
    idFerie         INTEGER PRIMARY KEY AUTOINCREMENT,
    ferieCodTecnico INTEGER,
    ferieDataDa     DATE,
    ferieDataA      DATE,
    ferieNote       TEXT(255) COLLATE NOCASE,
    ferieEliminato  INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE festivita (
    idFestivita    INTEGER PRIMARY KEY AUTOINCREMENT,
    dataFestivita  DATE,
    desc_festivita TEXT(255) COLLATE NOCASE
);

-- Customers and installed appliances

-- idCli is drawn from contatori.cliente, never an autonumber.
CREATE TABLE clienti (
    idCli                 INTEGER PRIMARY KEY,
    cod_tipo_cli          INTEGER,
    cognome               TEXT(255) COLLATE NOCASE,
    nome                  TEXT(255) COLLATE NOCASE,
    rag_soc               TEXT(255) COLLATE NOCASE,
    indirizzo             TEXT(255) COLLATE NOCASE,
    indirizzo2            TEXT(255) COLLATE NOCASE,
    cond_fraz             TEXT(255) COLLATE NOCASE,
    note_ind              TEXT(255) COLLATE NOCASE,
    note_cli              TEXT(255) COLLATE NOCASE,
    tel_casa              TEXT(255) COLLATE NOCASE,
    tel_cel               TEXT(255) COLLATE NOCASE,
    tel_old               TEXT(255) COLLATE NOCASE,
    cap                   TEXT(255) COLLATE NOCASE,
    citta                 TEXT(255) COLLATE NOCASE,
    pv                    TEXT(255) COLLATE NOCASE,
    nazcli                TEXT(255) COLLATE NOCASE,
    gruppo                TEXT(255) COLLATE NOCASE,
    cod_tipo_appartenenza INTEGER,
    note_pag              TEXT(255) COLLATE NOCASE,
    gas_cod               TEXT(255) COLLATE NOCASE,
    contatto              INTEGER,
    cod_appartenenza      INTEGER,
    cod_zona              INTEGER
);

-- One row: the last customer number and the last call number handed out.
CREATE TABLE contatori (
    cliente  INTEGER NOT NULL DEFAULT 0,
    chiamata INTEGER NOT NULL DEFAULT 0
);

-- The seven first-ignition answers hold 1 yes, 0 no, -1 not answered (tipoScarico and
-- catAttesta: a code, -1 none).
CREATE TABLE prodotti_ai_clienti (
    id_pro_cli           INTEGER PRIMARY KEY AUTOINCREMENT,
    cod_tecnico          INTEGER,
    cod_prodotto         INTEGER,
    cod_cliente          INTEGER,
    cod_installatore     INTEGER,
    cod_posizione        INTEGER,
    cod_tipo_abbonamento INTEGER,
    vl_abb               REAL,
    data_abb             DATE,
    rf_abb               TEXT(255) COLLATE NOCASE,
    sc_abb               DATE,
    matr_1               TEXT(255) COLLATE NOCASE,
    matr_2               TEXT(255) COLLATE NOCASE,
    cod_tipo_gas         INTEGER,
    codice_interno       TEXT(255) COLLATE NOCASE,
    data_coll            DATE,
    data_ins             DATE,
    num_rf               TEXT(255) COLLATE NOCASE,
    note_coll            TEXT(255) COLLATE NOCASE,
    dich_conf            INTEGER,
    num_libr             TEXT(255) COLLATE NOCASE,
    data_lib             DATE,
    fumi                 INTEGER,
    aria                 INTEGER,
    dim_aria             REAL,
    crono                TEXT(255) COLLATE NOCASE,
    mm_man               INTEGER,
    aa_man               INTEGER,
    tstcmb               DATE,
    gasPropanoValvola    INTEGER,
    gasPropanoEntrata    INTEGER,
    dataInstallazione    DATE,
    tipoScarico          INTEGER,
    tensione             INTEGER,
    consumoGas           INTEGER,
    primaVerifica        INTEGER,
    catAttesta           INTEGER,
    altroCatAttesta      TEXT(255) COLLATE NOCASE,
    manutenzione         TEXT(255) COLLATE NOCASE DEFAULT '-'
);

-- The customers of the next customer report, for other tools: the program's print command
-- fills a temporary table of the same name of its own connection, which its reports read.
CREATE TABLE stampe (
    idcli INTEGER
);

-- Service calls and return report

-- idChiamata is drawn from contatori.chiamata, never an autonumber.
CREATE TABLE chiamate (
    idChiamata      INTEGER PRIMARY KEY,
    cod_cliente     INTEGER,
    ch_data         DATE,
    ch_operatore    INTEGER,
    ch_note         TEXT(255) COLLATE NOCASE,
    ch_rientro_note TEXT(255) COLLATE NOCASE
);

-- Exactly one row per call.
CREATE TABLE interventi (
    idIntervento  INTEGER PRIMARY KEY AUTOINCREMENT,
    cod_chiamata  INTEGER,
    cod_tecnico   INTEGER,
    data_int      DATE,
    note_int      TEXT(255) COLLATE NOCASE,
    cod_stato_int TEXT(255) COLLATE NOCASE,
    ora_inizio    TIME,
    ora_fine      TIME,
    UNIQUE (cod_chiamata)
);

CREATE TABLE prodotti_in_chiamata (
    idProdChiamata  INTEGER PRIMARY KEY AUTOINCREMENT,
    cod_chiamata    INTEGER,
    cod_ch_prodotto INTEGER,
    lista_richieste TEXT(255) COLLATE NOCASE
);

-- ricCodChiamata is a row of prodotti_in_chiamata, not a call.
CREATE TABLE richieste (
    idRichiesta     INTEGER PRIMARY KEY AUTOINCREMENT,
    ricCodChiamata  INTEGER,
    ricCodRichiesta INTEGER,
    ricNote         TEXT(255) COLLATE NOCASE
);

CREATE TABLE riscontro_su_prodotto (
    idAttProd    INTEGER PRIMARY KEY AUTOINCREMENT,
    at_pr_codice INTEGER,
    at_difetto   INTEGER,
    at_note      TEXT(255) COLLATE NOCASE
);

-- cod_prodotto is a row of prodotti_in_chiamata, not a catalogue model.
CREATE TABLE attività_svolte (
    idAttivita     INTEGER PRIMARY KEY AUTOINCREMENT,
    cod_prodotto   INTEGER,
    cod_operazione INTEGER,
    note_att       TEXT(255) COLLATE NOCASE
);

CREATE TABLE matAtt (
    idMatAtt INTEGER PRIMARY KEY AUTOINCREMENT,
    codAtt   INTEGER,
    codMat   INTEGER
);

-- codProdotto is an installed appliance (prodotti_ai_clienti.id_pro_cli).
CREATE TABLE manutenzioni (
    id          INTEGER PRIMARY KEY AUTOINCREMENT,
    dataMan     DATE,
    codTipoMan  INTEGER,
    codChiamata INTEGER,
    codProdotto INTEGER
);

-- First-ignition exchange

CREATE TABLE CAT (
    idCAT        INTEGER PRIMARY KEY AUTOINCREMENT,
    nomeCAT      TEXT(255) COLLATE NOCASE,
    cittaCAT     TEXT(255) COLLATE NOCASE,
    provinciaCAT TEXT(255) COLLATE NOCASE,
    telefonoCAT  TEXT(255) COLLATE NOCASE,
    ufficiale    INTEGER,
    noteCAT      TEXT(255) COLLATE NOCASE
);

-- idMov is the highest idMov + 1, never an autonumber.
CREATE TABLE movImportazioniCAT (
    idMov             INTEGER PRIMARY KEY,
    codCAT            INTEGER,
    dataImp           DATE,
    esitoImportazione TEXT(255) COLLATE NOCASE
);

-- Read and written by position: the key fields, then the workbook columns A to AQ in order.
-- Nothing may be added before, between or after them.
CREATE TABLE accensioniCAT (
    idPrimaAccensione  INTEGER PRIMARY KEY AUTOINCREMENT,
    codCAT             INTEGER,
    codMov             INTEGER,
    ragionesociale     TEXT(255) COLLATE NOCASE,
    cognome            TEXT(255) COLLATE NOCASE,
    nome               TEXT(255) COLLATE NOCASE,
    indirizzo          TEXT(255) COLLATE NOCASE,
    numero             TEXT(255) COLLATE NOCASE,
    interno            TEXT(255) COLLATE NOCASE,
    localita           TEXT(255) COLLATE NOCASE,
    caplocalita        TEXT(255) COLLATE NOCASE,
    colonnaI           TEXT(255) COLLATE NOCASE,
    colonnaJ           TEXT(255) COLLATE NOCASE,
    provincia          TEXT(255) COLLATE NOCASE,
    telefono           TEXT(255) COLLATE NOCASE,
    cellulare          TEXT(255) COLLATE NOCASE,
    colonnaN           TEXT(255) COLLATE NOCASE,
    propanoValvola     TEXT(255) COLLATE NOCASE,
    propanoEntrata     TEXT(255) COLLATE NOCASE,
    marchio            TEXT(255) COLLATE NOCASE,
    matricola          TEXT(255) COLLATE NOCASE,
    modello            TEXT(255) COLLATE NOCASE,
    installatore       TEXT(255) COLLATE NOCASE,
    indirizzoInst      TEXT(255) COLLATE NOCASE,
    numeroInst         TEXT(255) COLLATE NOCASE,
    internoInst        TEXT(255) COLLATE NOCASE,
    localitaInst       TEXT(255) COLLATE NOCASE,
    capLocalitaInst    TEXT(255) COLLATE NOCASE,
    capComuneInst      TEXT(255) COLLATE NOCASE,
    provinciaInst      TEXT(255) COLLATE NOCASE,
    comuneInst         TEXT(255) COLLATE NOCASE,
    telefonoInst       TEXT(255) COLLATE NOCASE,
    cellulareInst      TEXT(255) COLLATE NOCASE,
    emailInst          TEXT(255) COLLATE NOCASE,
    dataInstallazione  TEXT(255) COLLATE NOCASE,
    conformita         TEXT(255) COLLATE NOCASE,
    dataCollaudo       DATE,
    luogoInstallazione TEXT(255) COLLATE NOCASE,
    tipoScarico        TEXT(255) COLLATE NOCASE,
    alimentazione      TEXT(255) COLLATE NOCASE,
    verificaTensione   TEXT(255) COLLATE NOCASE,
    verificaConsumo    TEXT(255) COLLATE NOCASE,
    verificaPrima      TEXT(255) COLLATE NOCASE,
    mezzoVerifica      TEXT(255) COLLATE NOCASE,
    altroMezzoVerifica TEXT(255) COLLATE NOCASE,
    note               TEXT(255) COLLATE NOCASE
);

-- As accensioniCAT, with riferimentoAccensione (the archived row of the same serial) among
-- the key fields.
CREATE TABLE accensioniDoppie (
    idPrimaAccensione     INTEGER PRIMARY KEY AUTOINCREMENT,
    codCAT                INTEGER,
    codMov                INTEGER,
    riferimentoAccensione INTEGER,
    ragionesociale        TEXT(255) COLLATE NOCASE,
    cognome               TEXT(255) COLLATE NOCASE,
    nome                  TEXT(255) COLLATE NOCASE,
    indirizzo             TEXT(255) COLLATE NOCASE,
    numero                TEXT(255) COLLATE NOCASE,
    interno               TEXT(255) COLLATE NOCASE,
    localita              TEXT(255) COLLATE NOCASE,
    caplocalita           TEXT(255) COLLATE NOCASE,
    colonnaI              TEXT(255) COLLATE NOCASE,
    colonnaJ              TEXT(255) COLLATE NOCASE,
    provincia             TEXT(255) COLLATE NOCASE,
    telefono              TEXT(255) COLLATE NOCASE,
    cellulare             TEXT(255) COLLATE NOCASE,
    colonnaN              TEXT(255) COLLATE NOCASE,
    propanoValvola        TEXT(255) COLLATE NOCASE,
    propanoEntrata        TEXT(255) COLLATE NOCASE,
    marchio               TEXT(255) COLLATE NOCASE,
    matricola             TEXT(255) COLLATE NOCASE,
    modello               TEXT(255) COLLATE NOCASE,
    installatore          TEXT(255) COLLATE NOCASE,
    indirizzoInst         TEXT(255) COLLATE NOCASE,
    numeroInst            TEXT(255) COLLATE NOCASE,
    internoInst           TEXT(255) COLLATE NOCASE,
    localitaInst          TEXT(255) COLLATE NOCASE,
    capLocalitaInst       TEXT(255) COLLATE NOCASE,
    capComuneInst         TEXT(255) COLLATE NOCASE,
    provinciaInst         TEXT(255) COLLATE NOCASE,
    comuneInst            TEXT(255) COLLATE NOCASE,
    telefonoInst          TEXT(255) COLLATE NOCASE,
    cellulareInst         TEXT(255) COLLATE NOCASE,
    emailInst             TEXT(255) COLLATE NOCASE,
    dataInstallazione     TEXT(255) COLLATE NOCASE,
    conformita            TEXT(255) COLLATE NOCASE,
    dataCollaudo          DATE,
    luogoInstallazione    TEXT(255) COLLATE NOCASE,
    tipoScarico           TEXT(255) COLLATE NOCASE,
    alimentazione         TEXT(255) COLLATE NOCASE,
    verificaTensione      TEXT(255) COLLATE NOCASE,
    verificaConsumo       TEXT(255) COLLATE NOCASE,
    verificaPrima         TEXT(255) COLLATE NOCASE,
    mezzoVerifica         TEXT(255) COLLATE NOCASE,
    altroMezzoVerifica    TEXT(255) COLLATE NOCASE,
    note                  TEXT(255) COLLATE NOCASE
);

-- One row per installed appliance for the first-ignition exports; installer, position and
-- gas supply may be missing (0).
CREATE VIEW primeAccensioni AS
SELECT c.rag_soc, c.cognome, c.nome, c.indirizzo, c.citta, c.cap, c.pv, c.tel_casa, c.tel_cel,
       pc.gasPropanoValvola, pc.gasPropanoEntrata, m.idMarca, m.marca, pc.matr_1, p.modello,
       i.ragionesociale_ins, i.nome_ins, i.indirizzo_ins, i.numero_ins, i.interno_ins,
       i.localita_ins, i.caplocalita_ins, i.capcomune_ins, i.provincia_ins, i.comune_ins,
       i.telefono_ins, i.cellulare_ins, i.email_ins,
       pc.dataInstallazione, pc.dich_conf, pc.data_coll, po.sigla_posizione, pc.tipoScarico,
       g.sigla_tipo_gas, pc.tensione, pc.consumoGas, pc.primaVerifica, pc.catAttesta,
       pc.altroCatAttesta, pc.note_coll
FROM prodotti_ai_clienti pc
LEFT JOIN clienti      c  ON pc.cod_cliente      = c.idCli
LEFT JOIN prodotti     p  ON pc.cod_prodotto     = p.idModello
LEFT JOIN marche       m  ON p.cod_marca         = m.idMarca
LEFT JOIN installatori i  ON pc.cod_installatore = i.idInst
LEFT JOIN posizione    po ON pc.cod_posizione    = po.idPos
LEFT JOIN tipogas      g  ON pc.cod_tipo_gas     = g.idTpGas;

-- Indexes for the frequent look-ups (interventi.cod_chiamata has its own through UNIQUE).

CREATE INDEX ix_prodotti_ai_clienti_cod_cliente ON prodotti_ai_clienti (cod_cliente);
CREATE INDEX ix_prodotti_ai_clienti_matr_1 ON prodotti_ai_clienti (matr_1);
CREATE INDEX ix_prodotti_ai_clienti_cod_prodotto ON prodotti_ai_clienti (cod_prodotto);
CREATE INDEX ix_prodotti_in_chiamata_cod_chiamata ON prodotti_in_chiamata (cod_chiamata);
CREATE INDEX ix_prodotti_in_chiamata_cod_ch_prodotto ON prodotti_in_chiamata (cod_ch_prodotto);
CREATE INDEX ix_richieste_ricCodChiamata ON richieste (ricCodChiamata);
CREATE INDEX ix_riscontro_su_prodotto_at_pr_codice ON riscontro_su_prodotto (at_pr_codice);
CREATE INDEX ix_attivita_svolte_cod_prodotto ON attività_svolte (cod_prodotto);
CREATE INDEX ix_matAtt_codAtt ON matAtt (codAtt);
CREATE INDEX ix_manutenzioni_codProdotto_dataMan ON manutenzioni (codProdotto, dataMan);
CREATE INDEX ix_manutenzioni_codChiamata ON manutenzioni (codChiamata);
CREATE INDEX ix_interventi_cod_tecnico_data_int ON interventi (cod_tecnico, data_int);
CREATE INDEX ix_chiamate_cod_cliente ON chiamate (cod_cliente);
CREATE INDEX ix_ferie_ferieCodTecnico ON ferie (ferieCodTecnico);
CREATE INDEX ix_festivita_dataFestivita ON festivita (dataFestivita);
CREATE INDEX ix_tecnici_per_zona_codZona ON tecnici_per_zona (codZona);
CREATE INDEX ix_clienti_cognome ON clienti (cognome);
CREATE INDEX ix_accensioniCAT_codMov ON accensioniCAT (codMov);
CREATE INDEX ix_accensioniDoppie_codMov ON accensioniDoppie (codMov);
CREATE INDEX ix_movImportazioniCAT_dataImp ON movImportazioniCAT (dataImp);
