-- The whole schema of a new corvext.db.
-- Dates are stored as 'yyyy-mm-dd' (DATE) and times as 'hh:mm' (TIME); texts compare without
-- regard to ASCII case; Booleans are 0/1. Nothing here may contain a hash sign, and every
-- statement ends with a semicolon.

-- Operators

CREATE TABLE operatori (
    idOperatore INTEGER PRIMARY KEY AUTOINCREMENT,
    opUser      TEXT COLLATE NOCASE,
    opPassword  TEXT COLLATE NOCASE,
    opTipo      TEXT COLLATE NOCASE
);

-- Code tables

CREATE TABLE zone (
    idZona     INTEGER PRIMARY KEY AUTOINCREMENT,
    sigla_zona TEXT COLLATE NOCASE,
    desc_zona  TEXT COLLATE NOCASE,
    eliminato  INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE posizione (
    idPos           INTEGER PRIMARY KEY AUTOINCREMENT,
    sigla_posizione TEXT COLLATE NOCASE,
    posizione       TEXT COLLATE NOCASE,
    eliminato       INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE tipoProd (
    idTpProd            INTEGER PRIMARY KEY AUTOINCREMENT,
    sigla_tipo_prodotto TEXT COLLATE NOCASE,
    tipo_nome           TEXT COLLATE NOCASE,
    eliminato           INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE tipocli (
    idTipoCli      INTEGER PRIMARY KEY AUTOINCREMENT,
    sigla_tipo_cli TEXT COLLATE NOCASE,
    cli_nome_tipo  TEXT COLLATE NOCASE,
    eliminato      INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE tipoabb (
    idTpAbb           INTEGER PRIMARY KEY AUTOINCREMENT,
    sigla_abbonamento TEXT COLLATE NOCASE,
    desc_abb          TEXT COLLATE NOCASE,
    eliminato         INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE marche (
    idMarca     INTEGER PRIMARY KEY AUTOINCREMENT,
    sigla_marca TEXT COLLATE NOCASE,
    marca       TEXT COLLATE NOCASE,
    eliminato   INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE tipologia_attivita (
    idTipoAttività INTEGER PRIMARY KEY AUTOINCREMENT,
    at_codice      TEXT COLLATE NOCASE,
    at_nome        TEXT COLLATE NOCASE,
    eliminato      INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE tipoRichiesta (
    idTipoRichiesta INTEGER PRIMARY KEY AUTOINCREMENT,
    tipoRicSigla    TEXT COLLATE NOCASE,
    tipoRicNome     TEXT COLLATE NOCASE
);

CREATE TABLE area_int (
    idGruppo           INTEGER PRIMARY KEY AUTOINCREMENT,
    gruppo_nome        TEXT COLLATE NOCASE,
    gruppo_descrizione TEXT COLLATE NOCASE,
    eliminato          INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE difetti (
    idDifetto      INTEGER PRIMARY KEY AUTOINCREMENT,
    df_nome        TEXT COLLATE NOCASE,
    df_descrizione TEXT COLLATE NOCASE,
    eliminato      INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE tipogas (
    idTpGas        INTEGER PRIMARY KEY AUTOINCREMENT,
    sigla_tipo_gas TEXT COLLATE NOCASE,
    tipogas        TEXT COLLATE NOCASE,
    eliminato      INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE tipoManutenzioni (
    idTipoMan      INTEGER PRIMARY KEY AUTOINCREMENT,
    sigla_tipo_man TEXT COLLATE NOCASE,
    desc_tipo_man  TEXT COLLATE NOCASE,
    eliminato      INTEGER NOT NULL DEFAULT 0
);

-- Staff, catalogue and calendar

CREATE TABLE installatori (
    idInst             INTEGER PRIMARY KEY AUTOINCREMENT,
    nome_ins           TEXT COLLATE NOCASE,
    ragionesociale_ins TEXT COLLATE NOCASE,
    indirizzo_ins      TEXT COLLATE NOCASE,
    numero_ins         TEXT COLLATE NOCASE,
    interno_ins        TEXT COLLATE NOCASE,
    localita_ins       TEXT COLLATE NOCASE,
    caplocalita_ins    TEXT COLLATE NOCASE,
    comune_ins         TEXT COLLATE NOCASE,
    capcomune_ins      TEXT COLLATE NOCASE,
    provincia_ins      TEXT COLLATE NOCASE,
    telefono_ins       TEXT COLLATE NOCASE,
    cellulare_ins      TEXT COLLATE NOCASE,
    email_ins          TEXT COLLATE NOCASE,
    eliminato          INTEGER NOT NULL DEFAULT 0
);

-- eliminato: 0 enabled, 1 disabled.
CREATE TABLE tecnici (
    idTecn        INTEGER PRIMARY KEY AUTOINCREMENT,
    sigla_tecnico TEXT COLLATE NOCASE,
    tecnico       TEXT COLLATE NOCASE,
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
    modello           TEXT COLLATE NOCASE,
    cod_marca         INTEGER,
    cod_tipo_prodotto INTEGER,
    eliminato         INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE materiali (
    idMat           INTEGER PRIMARY KEY AUTOINCREMENT,
    mat_nome        TEXT COLLATE NOCASE,
    mat_descrizione TEXT COLLATE NOCASE,
    cod_gruppo      INTEGER,
    eliminato       INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE ferie (
    idFerie         INTEGER PRIMARY KEY AUTOINCREMENT,
    ferieCodTecnico INTEGER,
    ferieDataDa     DATE,
    ferieDataA      DATE,
    ferieNote       TEXT COLLATE NOCASE,
    ferieEliminato  INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE festivita (
    idFestivita    INTEGER PRIMARY KEY AUTOINCREMENT,
    dataFestivita  DATE,
    desc_festivita TEXT COLLATE NOCASE
);

-- Customers and installed appliances

-- idCli is drawn from contatori.cliente, never an autonumber.
CREATE TABLE clienti (
    idCli                 INTEGER PRIMARY KEY,
    cod_tipo_cli          INTEGER,
    cognome               TEXT COLLATE NOCASE,
    nome                  TEXT COLLATE NOCASE,
    rag_soc               TEXT COLLATE NOCASE,
    indirizzo             TEXT COLLATE NOCASE,
    indirizzo2            TEXT COLLATE NOCASE,
    cond_fraz             TEXT COLLATE NOCASE,
    note_ind              TEXT COLLATE NOCASE,
    note_cli              TEXT COLLATE NOCASE,
    tel_casa              TEXT COLLATE NOCASE,
    tel_cel               TEXT COLLATE NOCASE,
    tel_old               TEXT COLLATE NOCASE,
    cap                   TEXT COLLATE NOCASE,
    citta                 TEXT COLLATE NOCASE,
    pv                    TEXT COLLATE NOCASE,
    nazcli                TEXT COLLATE NOCASE,
    gruppo                TEXT COLLATE NOCASE,
    cod_tipo_appartenenza INTEGER,
    note_pag              TEXT COLLATE NOCASE,
    gas_cod               TEXT COLLATE NOCASE,
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
    rf_abb               TEXT COLLATE NOCASE,
    sc_abb               DATE,
    matr_1               TEXT COLLATE NOCASE,
    matr_2               TEXT COLLATE NOCASE,
    cod_tipo_gas         INTEGER,
    codice_interno       TEXT COLLATE NOCASE,
    data_coll            DATE,
    data_ins             DATE,
    num_rf               TEXT COLLATE NOCASE,
    note_coll            TEXT COLLATE NOCASE,
    dich_conf            INTEGER,
    num_libr             TEXT COLLATE NOCASE,
    data_lib             DATE,
    fumi                 INTEGER,
    aria                 INTEGER,
    dim_aria             REAL,
    crono                TEXT COLLATE NOCASE,
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
    altroCatAttesta      TEXT COLLATE NOCASE,
    manutenzione         TEXT COLLATE NOCASE DEFAULT '-'
);

-- The customers of the next customer report.
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
    ch_note         TEXT COLLATE NOCASE,
    ch_rientro_note TEXT COLLATE NOCASE
);

-- Exactly one row per call.
CREATE TABLE interventi (
    idIntervento  INTEGER PRIMARY KEY AUTOINCREMENT,
    cod_chiamata  INTEGER,
    cod_tecnico   INTEGER,
    data_int      DATE,
    note_int      TEXT COLLATE NOCASE,
    cod_stato_int TEXT COLLATE NOCASE,
    ora_inizio    TIME,
    ora_fine      TIME,
    UNIQUE (cod_chiamata)
);

CREATE TABLE prodotti_in_chiamata (
    idProdChiamata  INTEGER PRIMARY KEY AUTOINCREMENT,
    cod_chiamata    INTEGER,
    cod_ch_prodotto INTEGER,
    lista_richieste TEXT COLLATE NOCASE
);

-- ricCodChiamata is a row of prodotti_in_chiamata, not a call.
CREATE TABLE richieste (
    idRichiesta     INTEGER PRIMARY KEY AUTOINCREMENT,
    ricCodChiamata  INTEGER,
    ricCodRichiesta INTEGER,
    ricNote         TEXT COLLATE NOCASE
);

CREATE TABLE riscontro_su_prodotto (
    idAttProd    INTEGER PRIMARY KEY AUTOINCREMENT,
    at_pr_codice INTEGER,
    at_difetto   INTEGER,
    at_note      TEXT COLLATE NOCASE
);

-- cod_prodotto is a row of prodotti_in_chiamata, not a catalogue model.
CREATE TABLE attività_svolte (
    idAttivita     INTEGER PRIMARY KEY AUTOINCREMENT,
    cod_prodotto   INTEGER,
    cod_operazione INTEGER,
    note_att       TEXT COLLATE NOCASE
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
    nomeCAT      TEXT COLLATE NOCASE,
    cittaCAT     TEXT COLLATE NOCASE,
    provinciaCAT TEXT COLLATE NOCASE,
    telefonoCAT  TEXT COLLATE NOCASE,
    ufficiale    INTEGER,
    noteCAT      TEXT COLLATE NOCASE
);

-- idMov is the highest idMov + 1, never an autonumber.
CREATE TABLE movImportazioniCAT (
    idMov             INTEGER PRIMARY KEY,
    codCAT            INTEGER,
    dataImp           DATE,
    esitoImportazione TEXT COLLATE NOCASE
);

-- Read and written by position: the key fields, then the workbook columns A to AQ in order.
-- Nothing may be added before, between or after them.
CREATE TABLE accensioniCAT (
    idPrimaAccensione  INTEGER PRIMARY KEY AUTOINCREMENT,
    codCAT             INTEGER,
    codMov             INTEGER,
    ragionesociale     TEXT COLLATE NOCASE,
    cognome            TEXT COLLATE NOCASE,
    nome               TEXT COLLATE NOCASE,
    indirizzo          TEXT COLLATE NOCASE,
    numero             TEXT COLLATE NOCASE,
    interno            TEXT COLLATE NOCASE,
    localita           TEXT COLLATE NOCASE,
    caplocalita        TEXT COLLATE NOCASE,
    colonnaI           TEXT COLLATE NOCASE,
    colonnaJ           TEXT COLLATE NOCASE,
    provincia          TEXT COLLATE NOCASE,
    telefono           TEXT COLLATE NOCASE,
    cellulare          TEXT COLLATE NOCASE,
    colonnaN           TEXT COLLATE NOCASE,
    propanoValvola     TEXT COLLATE NOCASE,
    propanoEntrata     TEXT COLLATE NOCASE,
    marchio            TEXT COLLATE NOCASE,
    matricola          TEXT COLLATE NOCASE,
    modello            TEXT COLLATE NOCASE,
    installatore       TEXT COLLATE NOCASE,
    indirizzoInst      TEXT COLLATE NOCASE,
    numeroInst         TEXT COLLATE NOCASE,
    internoInst        TEXT COLLATE NOCASE,
    localitaInst       TEXT COLLATE NOCASE,
    capLocalitaInst    TEXT COLLATE NOCASE,
    capComuneInst      TEXT COLLATE NOCASE,
    provinciaInst      TEXT COLLATE NOCASE,
    comuneInst         TEXT COLLATE NOCASE,
    telefonoInst       TEXT COLLATE NOCASE,
    cellulareInst      TEXT COLLATE NOCASE,
    emailInst          TEXT COLLATE NOCASE,
    dataInstallazione  TEXT COLLATE NOCASE,
    conformita         TEXT COLLATE NOCASE,
    dataCollaudo       DATE,
    luogoInstallazione TEXT COLLATE NOCASE,
    tipoScarico        TEXT COLLATE NOCASE,
    alimentazione      TEXT COLLATE NOCASE,
    verificaTensione   TEXT COLLATE NOCASE,
    verificaConsumo    TEXT COLLATE NOCASE,
    verificaPrima      TEXT COLLATE NOCASE,
    mezzoVerifica      TEXT COLLATE NOCASE,
    altroMezzoVerifica TEXT COLLATE NOCASE,
    note               TEXT COLLATE NOCASE
);

-- As accensioniCAT, with riferimentoAccensione (the archived row of the same serial) among
-- the key fields.
CREATE TABLE accensioniDoppie (
    idPrimaAccensione     INTEGER PRIMARY KEY AUTOINCREMENT,
    codCAT                INTEGER,
    codMov                INTEGER,
    riferimentoAccensione INTEGER,
    ragionesociale        TEXT COLLATE NOCASE,
    cognome               TEXT COLLATE NOCASE,
    nome                  TEXT COLLATE NOCASE,
    indirizzo             TEXT COLLATE NOCASE,
    numero                TEXT COLLATE NOCASE,
    interno               TEXT COLLATE NOCASE,
    localita              TEXT COLLATE NOCASE,
    caplocalita           TEXT COLLATE NOCASE,
    colonnaI              TEXT COLLATE NOCASE,
    colonnaJ              TEXT COLLATE NOCASE,
    provincia             TEXT COLLATE NOCASE,
    telefono              TEXT COLLATE NOCASE,
    cellulare             TEXT COLLATE NOCASE,
    colonnaN              TEXT COLLATE NOCASE,
    propanoValvola        TEXT COLLATE NOCASE,
    propanoEntrata        TEXT COLLATE NOCASE,
    marchio               TEXT COLLATE NOCASE,
    matricola             TEXT COLLATE NOCASE,
    modello               TEXT COLLATE NOCASE,
    installatore          TEXT COLLATE NOCASE,
    indirizzoInst         TEXT COLLATE NOCASE,
    numeroInst            TEXT COLLATE NOCASE,
    internoInst           TEXT COLLATE NOCASE,
    localitaInst          TEXT COLLATE NOCASE,
    capLocalitaInst       TEXT COLLATE NOCASE,
    capComuneInst         TEXT COLLATE NOCASE,
    provinciaInst         TEXT COLLATE NOCASE,
    comuneInst            TEXT COLLATE NOCASE,
    telefonoInst          TEXT COLLATE NOCASE,
    cellulareInst         TEXT COLLATE NOCASE,
    emailInst             TEXT COLLATE NOCASE,
    dataInstallazione     TEXT COLLATE NOCASE,
    conformita            TEXT COLLATE NOCASE,
    dataCollaudo          DATE,
    luogoInstallazione    TEXT COLLATE NOCASE,
    tipoScarico           TEXT COLLATE NOCASE,
    alimentazione         TEXT COLLATE NOCASE,
    verificaTensione      TEXT COLLATE NOCASE,
    verificaConsumo       TEXT COLLATE NOCASE,
    verificaPrima         TEXT COLLATE NOCASE,
    mezzoVerifica         TEXT COLLATE NOCASE,
    altroMezzoVerifica    TEXT COLLATE NOCASE,
    note                  TEXT COLLATE NOCASE
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
