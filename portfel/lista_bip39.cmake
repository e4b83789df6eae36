# Zamienia liste slow BIP39 (jedno slowo na linie) w plik C++ z tablica listaBIP39.
# Uzycie: cmake -DWEJSCIE=bip39-english.txt -DWYJSCIE=lista_bip39.cpp -P lista_bip39.cmake
file(STRINGS "${WEJSCIE}" slowa)
list(LENGTH slowa ile)
if(NOT ile EQUAL 2048)
  message(FATAL_ERROR "Lista BIP39 ma ${ile} slow zamiast 2048")
endif()

set(tresc "// Plik generowany z bip39-english.txt przez lista_bip39.cmake - nie edytowac.\n")
string(APPEND tresc "#include \"portfel/fraza.h\"\n\n")
string(APPEND tresc "constinit const std::array<std::string_view, 2048> listaBIP39 = {\n")
foreach(slowo IN LISTS slowa)
  # Same male litery ASCII, 3 do 8 znakow: nic do ucieczki w literale C++.
  if(NOT slowo MATCHES "^[a-z][a-z][a-z][a-z]?[a-z]?[a-z]?[a-z]?[a-z]?$")
    message(FATAL_ERROR "Niepoprawne slowo na liscie BIP39: '${slowo}'")
  endif()
  string(APPEND tresc "    \"${slowo}\",\n")
endforeach()
string(APPEND tresc "};\n")
file(WRITE "${WYJSCIE}" "${tresc}")
