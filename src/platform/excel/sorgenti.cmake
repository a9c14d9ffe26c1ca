# The workbook layer's sources, for its libraries and for the readers' sanitizer build.
set(CORVEXT_LETTURA_SORGENTI
  errore_excel.cpp limiti_libro.cpp indirizzo_cella.cpp testo_valore.cpp testo_xml.cpp stili.cpp xml_parti.cpp
  archivio_zip.cpp lettore_xml.cpp lettura_foglio.cpp lettura_xlsx.cpp file_composto.cpp record_biff.cpp
  lettura_biff.cpp lettura_xls.cpp protocollo_lettura.cpp lettura_libro.cpp)
set(CORVEXT_EXCEL_SORGENTI
  foglio.cpp composizione_libro.cpp processo_lettura.cpp scrittura_xlsx.cpp libro_excel.cpp)
