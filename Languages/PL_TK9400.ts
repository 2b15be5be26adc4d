<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
    <context>
        <name>GpsMonitor</name>
        <message>
            <source>GpsInformation</source>
            <translation>Informacje GPS</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Czas</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Data</translation>
        </message>
        <message>
            <source>Latitude</source>
            <translation>Szerokość</translation>
        </message>
        <message>
            <source>Longitude</source>
            <translation>Długość</translation>
        </message>
        <message>
            <source>Quality</source>
            <translation>Jakość</translation>
        </message>
        <message>
            <source>DistanceMeasurement</source>
            <translation>Pomiar odległości</translation>
        </message>
        <message>
            <source>ReferencePosition</source>
            <translation>Pozycja odniesienia</translation>
        </message>
        <message>
            <source>CurrentPosition</source>
            <translation>Bieżąca pozycja</translation>
        </message>
        <message>
            <source>Distance</source>
            <translation>Odległość</translation>
        </message>
        <message>
            <source>SatelliteInformation</source>
            <translation>Informacje o satelitach</translation>
        </message>
        <message>
            <source>Satellites</source>
            <translation>Satelity</translation>
        </message>
        <message>
            <source>Direction</source>
            <translation>Kierunek</translation>
        </message>
        <message>
            <source>Height</source>
            <translation>Wysokość</translation>
        </message>
        <message>
            <source>Groundspeed</source>
            <translation>Prędkość</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Menu główne</translation>
        </message>
        <message>
            <source>SatelliteInfo</source>
            <translation>Informacje o satelitach</translation>
        </message>
        <message>
            <source>SwitchGpsFormat</source>
            <translation>Zmień format współrzędnych</translation>
        </message>
        <message>
            <source>DisplayNmeaData</source>
            <translation>Pokaż dane NMEA</translation>
        </message>
        <message>
            <source>DisplayGpsPosition</source>
            <translation>Pokaż pozycję GPS</translation>
        </message>
        <message>
            <source>SetReferencePosition</source>
            <translation>Ustaw pozycję odniesienia</translation>
        </message>
        <message>
            <source>StartMonitoring</source>
            <translation>Rozpocznij monitorowanie</translation>
        </message>
        <message>
            <source>StopMonitoring</source>
            <translation>Zakończ monitorowanie i ustaw zegar</translation>
        </message>
        <message>
            <source>DeleteData</source>
            <translation>Usuń dane</translation>
        </message>
    </context>
    <context>
        <name>H2Sensor</name>
        <message>
            <source>YouMustConnectAH2-SensorToUseThisMeasurement</source>
            <translation>Do tego pomiaru należy
podłączyć czujnik H2.</translation>
        </message>
        <message>
            <source>SetReferenceLevel</source>
            <translation>Ustaw poziom odniesienia</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>Zakres</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Głośność słuchawek</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Zapisz</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Menu główne</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Wstecz</translation>
        </message>
    </context>
    <context>
        <name>LanguageSelect</name>
        <message>
            <source>German</source>
            <translation>Niemiecki</translation>
        </message>
        <message>
            <source>French</source>
            <translation>Francuski</translation>
        </message>
        <message>
            <source>Italian</source>
            <translation>Włoski</translation>
        </message>
        <message>
            <source>Spanish</source>
            <translation>Hiszpański</translation>
        </message>
        <message>
            <source>Chinese</source>
            <translation>Chiński</translation>
        </message>
        <message>
            <source>Czech</source>
            <translation>Czeski</translation>
        </message>
        <message>
            <source>Hungarian</source>
            <translation>Węgierski</translation>
        </message>
        <message>
            <source>Russian</source>
            <translation>Rosyjski</translation>
        </message>
        <message>
            <source>Slovenian</source>
            <translation>Słoweński</translation>
        </message>
        <message>
            <source>Japanese</source>
            <translation>Japoński</translation>
        </message>
        <message>
            <source>Polish</source>
            <translation>Polski</translation>
        </message>
        <message>
            <source>Portuguese</source>
            <translation>Portugalski</translation>
        </message>
        <message>
            <source>Romanian</source>
            <translation>Rumuński</translation>
        </message>
        <message>
            <source>Slovakian</source>
            <translation>Słowacki</translation>
        </message>
        <message>
            <source>Swedish</source>
            <translation>Szwedzki</translation>
        </message>
        <message>
            <source>Suomi</source>
            <translation>Fiński</translation>
        </message>
        <message>
            <source>Danish</source>
            <translation>Duński</translation>
        </message>
        <message>
            <source>Norwegian</source>
            <translation>Norweski</translation>
        </message>
        <message>
            <source>Bulgarian</source>
            <translation>Bułgarski</translation>
        </message>
        <message>
            <source>Croatian</source>
            <translation>Chorwacki</translation>
        </message>
        <message>
            <source>Korean</source>
            <translation>Koreański</translation>
        </message>
        <message>
            <source>Serbian</source>
            <translation>Serbski</translation>
        </message>
        <message>
            <source>Turkish</source>
            <translation>Turecki</translation>
        </message>
        <message>
            <source>English</source>
            <translation>Angielski</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Poprzednia strona</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Wstecz</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Następna strona</translation>
        </message>
    </context>
    <context>
        <name>Levelmeasurement</name>
        <message>
            <source>AdjustFilter</source>
            <translation>Ustaw filtr</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Zapisz</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Głośność słuchawek</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Wzmocnienie mikrofonu</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Menu główne</translation>
        </message>
        <message>
            <source>PlayRecordedSound</source>
            <translation>Odtwórz nagrany dźwięk</translation>
        </message>
        <message>
            <source>StopPlaying</source>
            <translation>Zatrzymaj odtwarzanie</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Wstecz</translation>
        </message>
        <message>
            <source>HeadphoneGain</source>
            <translation>Wzmocnienie słuchawek</translation>
        </message>
        <message>
            <source>StoredWithoutSound</source>
            <translation>Zapisano bez dźwięku.</translation>
        </message>
    </context>
    <context>
        <name>Longtermmeasurement</name>
        <message>
            <source>Store</source>
            <translation>Zapisz</translation>
        </message>
        <message>
            <source>AnalysisTime</source>
            <translation>Czas analizy</translation>
        </message>
        <message>
            <source>Autoscale</source>
            <translation>Autoskalowanie</translation>
        </message>
        <message>
            <source>AdditionalSettings</source>
            <translation>Dodatkowe ustawienia</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Menu główne</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Wstecz</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Wzmocnienie mikrofonu</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Głośność słuchawek</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Ustaw filtr</translation>
        </message>
        <message>
            <source>10 min</source>
            <translation>10 min</translation>
        </message>
        <message>
            <source>30 min</source>
            <translation>30 min</translation>
        </message>
        <message>
            <source>3 min</source>
            <translation>3 min</translation>
        </message>
    </context>
    <context>
        <name>MainMenu</name>
        <message>
            <source>Histogram</source>
            <translation>Histogram</translation>
        </message>
        <message>
            <source>H2Sensor</source>
            <translation>Czujnik H2</translation>
        </message>
        <message>
            <source>Level</source>
            <translation>Poziom</translation>
        </message>
        <message>
            <source>Management</source>
            <translation>Zarządzanie</translation>
        </message>
        <message>
            <source>Longterm</source>
            <translation>Długotrwały</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Lokalizacja rur</translation>
        </message>
    </context>
    <context>
        <name>Management</name>
        <message>
            <source>Measurements</source>
            <translation>Pomiary</translation>
        </message>
        <message>
            <source>QJ-5</source>
            <translation>QJ-5</translation>
        </message>
        <message>
            <source>Update</source>
            <translation>Aktualizacja</translation>
        </message>
        <message>
            <source>GPS</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>Ustawienia</translation>
        </message>
    </context>
    <context>
        <name>MeasManagement</name>
        <message>
            <source>Mainmenu</source>
            <translation>Menu główne</translation>
        </message>
        <message>
            <source>EditMeasurement</source>
            <translation>Edytuj pomiar</translation>
        </message>
        <message>
            <source>FilterMeasurements</source>
            <translation>Filtruj pomiary</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Poprzednia strona</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Następna strona</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Błąd</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeRenamed</source>
            <translation>Nie można zmienić nazwy pomiaru.</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeDeleted</source>
            <translation>Nie można usunąć pomiaru.</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Ostrzeżenie</translation>
        </message>
        <message>
            <source>MeasurementDeletedFilesRemain</source>
            <translation>Pomiar został usunięty z listy.
Niektóre jego pliki zostaną usunięte przy zapisie następnego pomiaru.</translation>
        </message>
    </context>
    <context>
        <name>Pinpointing</name>
        <message>
            <source>LIN</source>
            <translation>LIN</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Menu główne</translation>
        </message>
        <message>
            <source>Autoscale</source>
            <translation>Autoskalowanie</translation>
        </message>
        <message>
            <source>DeleteLastLevel</source>
            <translation>Usuń ostatni poziom</translation>
        </message>
        <message>
            <source>AdditionalSettings</source>
            <translation>Dodatkowe ustawienia</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Zapisz</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Ustaw filtr</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Wzmocnienie mikrofonu</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Głośność słuchawek</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Wstecz</translation>
        </message>
        <message>
            <source>PlayAudioData</source>
            <translation>Odtwórz nagranie</translation>
        </message>
        <message>
            <source>StopPlaying</source>
            <translation>Zatrzymaj odtwarzanie</translation>
        </message>
        <message>
            <source>PlayNextPosition</source>
            <translation>Odtwórz następny punkt</translation>
        </message>
        <message>
            <source>LOG</source>
            <translation>LOG</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Ostrzeżenie</translation>
        </message>
        <message numerus="yes">
            <source>StoredWithoutTheSoundOfPoint</source>
            <translation>
                <numerusform>Zapisano bez dźwięku
punktu %1.</numerusform>
                <numerusform>Zapisano bez dźwięku
punktów %1.</numerusform>
                <numerusform>Zapisano bez dźwięku
punktów %1.</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>Pipelocating</name>
        <message>
            <source>Mainmenu</source>
            <translation>Menu główne</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Ustaw filtr</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Wzmocnienie mikrofonu</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Głośność słuchawek</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Zapisz</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Wstecz</translation>
        </message>
    </context>
    <context>
        <name>PressureSensor</name>
        <message>
            <source>Mainmenu</source>
            <translation>Menu główne</translation>
        </message>
        <message>
            <source>SetReferenceLevel</source>
            <translation>Ustaw poziom odniesienia</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>Zakres</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Głośność słuchawek</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Zapisz</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Wstecz</translation>
        </message>
        <message>
            <source>%1 bar</source>
            <translation>%1 bar</translation>
        </message>
        <message>
            <source>MAX = %1 bar</source>
            <translation>MAX = %1 bar</translation>
        </message>
        <message>
            <source>MIN = %1 bar</source>
            <translation>MIN = %1 bar</translation>
        </message>
        <message>
            <source>AVG = %1 bar</source>
            <translation>ŚR = %1 bar</translation>
        </message>
        <message>
            <source>DEV = %1 bar</source>
            <translation>σ = %1 bar</translation>
        </message>
        <message>
            <source>ACT = %1 bar</source>
            <translation>AKT = %1 bar</translation>
        </message>
    </context>
    <context>
        <name>Systemsettings</name>
        <message>
            <source>Berlin</source>
            <translation>Berlin</translation>
        </message>
        <message>
            <source>Screenshot</source>
            <translation>Zrzut ekranu</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Histogram</translation>
        </message>
        <message>
            <source>LevelMeasurement</source>
            <translation>Pomiar poziomu</translation>
        </message>
        <message>
            <source>LongtermMeasurement</source>
            <translation>Pomiar długotrwały</translation>
        </message>
        <message>
            <source>H2-Sensor</source>
            <translation>Czujnik H2</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Lokalizacja rur</translation>
        </message>
        <message>
            <source>never</source>
            <translation>nigdy</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Poprzednia strona</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Menu główne</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Następna strona</translation>
        </message>
        <message>
            <source>ModeMuteButton</source>
            <translation>Wyciszanie</translation>
        </message>
        <message>
            <source>HearingProtection</source>
            <translation>Ochrona słuchu</translation>
        </message>
        <message>
            <source>Customize</source>
            <translation>Dostosuj</translation>
        </message>
        <message>
            <source>differentValues</source>
            <translation>różne wartości</translation>
        </message>
        <message>
            <source>PairedHeadphone</source>
            <translation>Sparowane słuchawki</translation>
        </message>
        <message>
            <source>PairedMicrophone</source>
            <translation>Sparowany mikrofon</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation>Jasność</translation>
        </message>
        <message>
            <source>PowerSaving</source>
            <translation>Oszczędzanie energii</translation>
        </message>
        <message>
            <source>FavouriteButton</source>
            <translation>Przycisk ulubiony</translation>
        </message>
        <message>
            <source>Systeminformation</source>
            <translation>Informacje o systemie</translation>
        </message>
        <message>
            <source>ResetToDeliverystate</source>
            <translation>Reset</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>Język</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Czas</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Data</translation>
        </message>
        <message>
            <source>Timezone</source>
            <translation>Strefa czasowa</translation>
        </message>
        <message>
            <source>DaylightSavingTime</source>
            <translation>Czas letni/zimowy</translation>
        </message>
        <message>
            <source>Switch</source>
            <translation>Przełącznik</translation>
        </message>
        <message>
            <source>PushButton</source>
            <translation>Przycisk</translation>
        </message>
        <message>
            <source>Active</source>
            <translation>Włączona</translation>
        </message>
        <message>
            <source>Inactive</source>
            <translation>Wyłączona</translation>
        </message>
        <message>
            <source>low</source>
            <translation>niska</translation>
        </message>
        <message>
            <source>medium</source>
            <translation>średnia</translation>
        </message>
        <message>
            <source>high</source>
            <translation>wysoka</translation>
        </message>
        <message>
            <source>Summertime</source>
            <translation>Czas letni</translation>
        </message>
        <message>
            <source>Wintertime</source>
            <translation>Czas zimowy</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Błąd</translation>
        </message>
        <message>
            <source>SettingCouldNotBeStored</source>
            <translation>Nie można zapisać ustawienia.</translation>
        </message>
    </context>
    <context>
        <name>MessageDialog</name>
        <message>
            <source>Yes</source>
            <translation>Tak</translation>
        </message>
        <message>
            <source>No</source>
            <translation>Nie</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Anuluj</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
    </context>
    <context>
        <name>Configuration</name>
        <message>
            <source>MicrophoneConfiguration</source>
            <translation>Konfiguracja mikrofonu</translation>
        </message>
        <message>
            <source>SensorType</source>
            <translation>Typ czujnika</translation>
        </message>
        <message>
            <source>Gain</source>
            <translation>Wzmocnienie</translation>
        </message>
        <message>
            <source>BatteryState</source>
            <translation>Stan baterii</translation>
        </message>
        <message>
            <source>Firmwareversion</source>
            <translation>Wersja firmware</translation>
        </message>
        <message>
            <source>HardwareVersion</source>
            <translation>Wersja sprzętu</translation>
        </message>
        <message>
            <source>ButtonMode</source>
            <translation>Wyciszanie</translation>
        </message>
        <message>
            <source>BluetoothName</source>
            <translation>Nazwa Bluetooth</translation>
        </message>
        <message>
            <source>BluetoothId</source>
            <translation>ID Bluetooth</translation>
        </message>
        <message>
            <source>Reload</source>
            <translation>Odczytaj ponownie</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Menu główne</translation>
        </message>
        <message>
            <source>noSensor</source>
            <translation>brak czujnika</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>nieznany</translation>
        </message>
    </context>
    <context>
        <name>Statusbardata</name>
        <message>
            <source>Warning</source>
            <translation>Ostrzeżenie</translation>
        </message>
        <message>
            <source>TheBatteryIsVeryLowPleaseRecharge</source>
            <translation>Bateria prawie rozładowana. Naładuj ją.</translation>
        </message>
        <message>
            <source>TheSensorCouldNotBeDetected</source>
            <translation>Nie wykryto czujnika.</translation>
        </message>
        <message>
            <source>BatteryVoltageOfQJ5ToLow</source>
            <translation>Bardzo niskie napięcie baterii QJ-5.
Naładuj baterię.</translation>
        </message>
        <message>
            <source>ProblemWithSensorTypeDetection</source>
            <translation>Nie można rozpoznać typu czujnika.
Zamocuj czujnik lub oczyść styki.</translation>
        </message>
    </context>
    <context>
        <name>BluetoothPairing</name>
        <message>
            <source>SearchBluetoothDevices</source>
            <translation>Szukaj urządzeń Bluetooth</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Anuluj</translation>
        </message>
        <message>
            <source>FoundBluetoothDevices</source>
            <translation>Znalezione urządzenia Bluetooth</translation>
        </message>
        <message>
            <source>EnablePairingModeAndPressSearchButton</source>
            <translation>Włącz tryb parowania
i dotknij przycisku „Szukaj”.</translation>
        </message>
        <message>
            <source>Searching</source>
            <translation>Wyszukiwanie</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>nieznany</translation>
        </message>
        <message>
            <source>SelectDeviceForPairing</source>
            <translation>Wybierz urządzenie do sparowania.</translation>
        </message>
        <message>
            <source>NoDevicesFoundTryAgain</source>
            <translation>Nie znaleziono urządzeń.</translation>
        </message>
        <message>
            <source>PairingDevice</source>
            <translation>Parowanie urządzenia</translation>
        </message>
        <message>
            <source>PairingNotSuccessfulPleaseTryAgain</source>
            <translation>Parowanie nieudane. Spróbuj ponownie.</translation>
        </message>
    </context>
    <context>
        <name>CustomizeDialogs</name>
        <message>
            <source>LevelMeasurement</source>
            <translation>Pomiar poziomu</translation>
        </message>
        <message>
            <source>ShowPeakLevelBar</source>
            <translation>Pokaż poziom szczytowy</translation>
        </message>
        <message>
            <source>UseFrequencyColorForLevelBar</source>
            <translation>Kolor paska poziomu wg częstotliwości</translation>
        </message>
        <message>
            <source>ShowFrequencySpectrum</source>
            <translation>Pokaż widmo częstotliwości</translation>
        </message>
        <message>
            <source>ShowFrequencyValue</source>
            <translation>Pokaż częstotliwość</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Histogram</translation>
        </message>
        <message>
            <source>ShowFilterParameter</source>
            <translation>Pokaż parametry filtra</translation>
        </message>
        <message>
            <source>DynamicScaling</source>
            <translation>Skalowanie dynamiczne</translation>
        </message>
        <message>
            <source>LongtermMeasurement</source>
            <translation>Pomiar długotrwały</translation>
        </message>
        <message>
            <source>ShowGrid</source>
            <translation>Pokaż siatkę</translation>
        </message>
        <message>
            <source>H2measurement</source>
            <translation>Pomiar H2</translation>
        </message>
        <message>
            <source>ShowHistogram</source>
            <translation>Pokaż histogram</translation>
        </message>
        <message>
            <source>ShowWorkingRange</source>
            <translation>Pokaż zakres roboczy</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Lokalizacja rur</translation>
        </message>
        <message>
            <source>PowerOn</source>
            <translation>Działania po włączeniu</translation>
        </message>
        <message>
            <source>StartWithFavourite</source>
            <translation>Start z ulubionym ekranem</translation>
        </message>
        <message>
            <source>StartWithFilter</source>
            <translation>Start z włączonymi filtrami</translation>
        </message>
        <message>
            <source>StartWithGps</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Poprzednia strona</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Zatwierdź</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Anuluj</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Następna strona</translation>
        </message>
    </context>
    <context>
        <name>DateTimeAdjust</name>
        <message>
            <source>Day</source>
            <translation>Dzień</translation>
        </message>
        <message>
            <source>Month</source>
            <translation>Miesiąc</translation>
        </message>
        <message>
            <source>Year</source>
            <translation>Rok</translation>
        </message>
        <message>
            <source>GPS</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>Manual</source>
            <translation>Ręcznie</translation>
        </message>
        <message>
            <source>Hour</source>
            <translation>Godzina</translation>
        </message>
        <message>
            <source>Minute</source>
            <translation>Minuta</translation>
        </message>
        <message>
            <source>Second</source>
            <translation>Sekunda</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Zatwierdź</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Anuluj</translation>
        </message>
        <message>
            <source>InvalidDate</source>
            <translation>Nieprawidłowa data</translation>
        </message>
        <message>
            <source>DateDoesNotExist</source>
            <translation>Ta data nie istnieje. Popraw ją.</translation>
        </message>
    </context>
    <context>
        <name>Displaysettings</name>
        <message>
            <source>Accept</source>
            <translation>Zatwierdź</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Anuluj</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation>Jasność</translation>
        </message>
        <message>
            <source>high</source>
            <translation>wysoka</translation>
        </message>
        <message>
            <source>medium</source>
            <translation>średnia</translation>
        </message>
        <message>
            <source>low</source>
            <translation>niska</translation>
        </message>
    </context>
    <context>
        <name>HearingProtection</name>
        <message>
            <source>Accept</source>
            <translation>Zatwierdź</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Anuluj</translation>
        </message>
        <message>
            <source>HearingProtection</source>
            <translation>Ochrona słuchu</translation>
        </message>
        <message>
            <source>Active</source>
            <translation>Włączona</translation>
        </message>
        <message>
            <source>Inactive</source>
            <translation>Wyłączona</translation>
        </message>
        <message>
            <source>DefaultHeadphoneVolume</source>
            <translation>Ustaw głośność słuchawek</translation>
        </message>
        <message>
            <source>WarningRiskOfAcousticShock</source>
            <translation>Uwaga! Ryzyko urazu akustycznego.</translation>
        </message>
        <message>
            <source>MaximumVolumeWillBeLimited</source>
            <translation>Maksymalna głośność zostanie ograniczona.</translation>
        </message>
    </context>
    <context>
        <name>PowerSaving</name>
        <message>
            <source>Accept</source>
            <translation>Zatwierdź</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Anuluj</translation>
        </message>
        <message>
            <source>BacklightOff</source>
            <translation>Wył. podświetlenia</translation>
        </message>
        <message>
            <source>PowerOff</source>
            <translation>Wyłączenie</translation>
        </message>
        <message>
            <source>never</source>
            <translation>nigdy</translation>
        </message>
    </context>
    <context>
        <name>ResetSettings</name>
        <message>
            <source>Back</source>
            <translation>Wstecz</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Ostrzeżenie</translation>
        </message>
        <message>
            <source>ResetToDeliveryState</source>
            <translation>Przywracanie ustawień fabrycznych.
Wszystkie ustawienia (np. język, sparowane
urządzenia Bluetooth) zostaną zresetowane.
Zapisane pomiary nie zostaną usunięte.</translation>
        </message>
        <message>
            <source>Reset</source>
            <translation>Reset</translation>
        </message>
        <message>
            <source>DoYouReallyWantToResetAllSettings</source>
            <translation>Czy na pewno zresetować wszystkie ustawienia?</translation>
        </message>
    </context>
    <context>
        <name>SelectFavouriteButton</name>
        <message>
            <source>Accept</source>
            <translation>Zatwierdź</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Anuluj</translation>
        </message>
    </context>
    <context>
        <name>SelectSwitchmode</name>
        <message>
            <source>Accept</source>
            <translation>Zatwierdź</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Anuluj</translation>
        </message>
        <message>
            <source>ModeOfMutingButton</source>
            <translation>Tryb przycisku wyciszania</translation>
        </message>
        <message>
            <source>Switch</source>
            <translation>Przełącznik</translation>
        </message>
        <message>
            <source>PushButton</source>
            <translation>Przycisk</translation>
        </message>
    </context>
    <context>
        <name>SelectTimezone</name>
        <message>
            <source>DaylightSavingTime</source>
            <translation>Czas letni/zimowy</translation>
        </message>
        <message>
            <source>Summertime</source>
            <translation>Czas letni</translation>
        </message>
        <message>
            <source>Wintertime</source>
            <translation>Czas zimowy</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Zatwierdź</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Anuluj</translation>
        </message>
        <message>
            <source>MidwayIslands</source>
            <translation>Midway</translation>
        </message>
        <message>
            <source>Hawaii</source>
            <translation>Hawaje</translation>
        </message>
        <message>
            <source>Alaska</source>
            <translation>Alaska</translation>
        </message>
        <message>
            <source>Pacific</source>
            <translation>Pacyfik</translation>
        </message>
        <message>
            <source>Arizona</source>
            <translation>Arizona</translation>
        </message>
        <message>
            <source>Chicago</source>
            <translation>Chicago</translation>
        </message>
        <message>
            <source>NewYork</source>
            <translation>Nowy Jork</translation>
        </message>
        <message>
            <source>Manaus</source>
            <translation>Manaus</translation>
        </message>
        <message>
            <source>Newfoundland</source>
            <translation>Nowa Fundlandia</translation>
        </message>
        <message>
            <source>Greenland</source>
            <translation>Grenlandia</translation>
        </message>
        <message>
            <source>MiddleAtlantic</source>
            <translation>Środkowy Atlantyk</translation>
        </message>
        <message>
            <source>Azores</source>
            <translation>Azory</translation>
        </message>
        <message>
            <source>London</source>
            <translation>Londyn</translation>
        </message>
        <message>
            <source>Berlin</source>
            <translation>Berlin</translation>
        </message>
        <message>
            <source>Cairo</source>
            <translation>Kair</translation>
        </message>
        <message>
            <source>Moscow</source>
            <translation>Moskwa</translation>
        </message>
        <message>
            <source>Teheran</source>
            <translation>Teheran</translation>
        </message>
        <message>
            <source>AbuDhabi</source>
            <translation>Abu Zabi</translation>
        </message>
        <message>
            <source>Kabul</source>
            <translation>Kabul</translation>
        </message>
        <message>
            <source>Islamabad</source>
            <translation>Islamabad</translation>
        </message>
        <message>
            <source>NewDelhi</source>
            <translation>Nowe Delhi</translation>
        </message>
        <message>
            <source>Katmandu</source>
            <translation>Katmandu</translation>
        </message>
        <message>
            <source>Nowosibirsk</source>
            <translation>Nowosybirsk</translation>
        </message>
        <message>
            <source>Yangon</source>
            <translation>Rangun</translation>
        </message>
        <message>
            <source>Bangkok</source>
            <translation>Bangkok</translation>
        </message>
        <message>
            <source>HongKong</source>
            <translation>Hongkong</translation>
        </message>
        <message>
            <source>Tokio</source>
            <translation>Tokio</translation>
        </message>
        <message>
            <source>Darwin</source>
            <translation>Darwin</translation>
        </message>
        <message>
            <source>Sydney</source>
            <translation>Sydney</translation>
        </message>
        <message>
            <source>Magadan</source>
            <translation>Magadan</translation>
        </message>
        <message>
            <source>Fiji</source>
            <translation>Fidżi</translation>
        </message>
    </context>
    <context>
        <name>Systeminformation</name>
        <message>
            <source>Systeminformation</source>
            <translation>Informacje o systemie</translation>
        </message>
        <message>
            <source>Firmwareversion</source>
            <translation>Wersja firmware</translation>
        </message>
        <message>
            <source>Serialnumber</source>
            <translation>Numer seryjny</translation>
        </message>
        <message>
            <source>BluetoothIdTx</source>
            <translation>ID Bluetooth TX</translation>
        </message>
        <message>
            <source>BluetoothIdRx</source>
            <translation>ID Bluetooth RX</translation>
        </message>
        <message>
            <source>Hardwareversion</source>
            <translation>Wersja sprzętu</translation>
        </message>
        <message>
            <source>OperatingSystem</source>
            <translation>System operacyjny</translation>
        </message>
        <message>
            <source>Battery</source>
            <translation>Bateria</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Wstecz</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>nieznany</translation>
        </message>
    </context>
    <context>
        <name>BackupDialog</name>
        <message>
            <source>ConnectTheTKR9400ToYourPC</source>
            <translation>Podłącz TKR 9400 do komputera PC
i dotknij przycisku „Połącz”.</translation>
        </message>
        <message>
            <source>Connect</source>
            <translation>Połącz</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <translation>Rozłącz</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Anuluj</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Ostrzeżenie</translation>
        </message>
        <message>
            <source>DataMemoryNotMounted</source>
            <translation>Nie można zamontować pamięci danych.
Uruchom ponownie urządzenie.</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Błąd</translation>
        </message>
        <message>
            <source>DataTransferNotPossible</source>
            <translation>Pamięć danych jest w użyciu.
Spróbuj ponownie.</translation>
        </message>
    </context>
    <context>
        <name>Measurements</name>
        <message>
            <source>Error</source>
            <translation>Błąd</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Ostrzeżenie</translation>
        </message>
        <message>
            <source>NoMoreMeasurementsCanBeStored</source>
            <translation>Osiągnięto maksymalną liczbę pomiarów.
Pomiar nie zostanie zapisany.
Usuń stare pomiary.</translation>
        </message>
        <message>
            <source>OnlyAfewMeasurementsCanBeStored</source>
            <translation>Liczba pomiarów bliska limitu.
Usuń stare pomiary.</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeStored</source>
            <translation>Nie można zapisać pomiaru.</translation>
        </message>
    </context>
    <context>
        <name>MeasuringPage</name>
        <message>
            <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
            <translation>Do tego pomiaru należy
podłączyć czujnik akustyczny.</translation>
        </message>
        <message>
            <source>Note</source>
            <translation>Informacja</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Ostrzeżenie</translation>
        </message>
        <message>
            <source>NoBluetoothConnectionPleaseCheckYourQJ5</source>
            <translation>Brak połączenia Bluetooth.
Sprawdź QJ-5.</translation>
        </message>
    </context>
    <context>
        <name>Filtersettings</name>
        <message>
            <source>Accept</source>
            <translation>Zatwierdź</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Wzmocnienie mikrofonu</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Głośność słuchawek</translation>
        </message>
        <message>
            <source>AutomaticFilterSetting</source>
            <translation>Automatyczne ustawienie filtra</translation>
        </message>
        <message>
            <source>NoFilter</source>
            <translation>Bez filtra</translation>
        </message>
    </context>
    <context>
        <name>Headphonesettings</name>
        <message>
            <source>Accept</source>
            <translation>Zatwierdź</translation>
        </message>
        <message>
            <source>WarningRiskOfAcousticShock</source>
            <translation>Uwaga! Ryzyko urazu akustycznego.</translation>
        </message>
        <message>
            <source>WarningHighVolumesCanLeadToHearingDamage</source>
            <translation>Uwaga!
Duża głośność może uszkodzić słuch.</translation>
        </message>
    </context>
    <context>
        <name>Micsettings</name>
        <message>
            <source>Accept</source>
            <translation>Zatwierdź</translation>
        </message>
    </context>
    <context>
        <name>Firmwareupdate</name>
        <message>
            <source>ConnectTheTKR9400ToYourPC</source>
            <translation>Podłącz TKR 9400 do komputera PC
i dotknij przycisku „Połącz”.</translation>
        </message>
        <message>
            <source>Connect</source>
            <translation>Połącz</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <translation>Rozłącz</translation>
        </message>
        <message>
            <source>UpdateDevice</source>
            <translation>Aktualizuj firmware</translation>
        </message>
        <message>
            <source>CurrentFirmware</source>
            <translation>Bieżący firmware</translation>
        </message>
        <message>
            <source>NewFirmware</source>
            <translation>Nowy firmware</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Zatwierdź</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Anuluj</translation>
        </message>
        <message>
            <source>TransmittingFirmware</source>
            <translation>Przesyłanie firmware</translation>
        </message>
        <message>
            <source>Status</source>
            <translation>Stan</translation>
        </message>
        <message>
            <source>UpdatingDevice</source>
            <translation>Aktualizacja urządzenia</translation>
        </message>
        <message>
            <source>PleaseWaitForReboot</source>
            <translation>Zaczekaj na restart.</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>ConnectTheTKR9400ToYourPCAndPressTheButtonConnect</source>
            <translation>Podłącz TKR 9400 do komputera PC
i dotknij przycisku „Połącz”.</translation>
        </message>
        <message>
            <source>DataTransferNotPossible</source>
            <translation>Pamięć danych jest w użyciu.
Spróbuj ponownie.</translation>
        </message>
        <message>
            <source>PleaseCopyTheFirmwarefilesPressTheButtonDisconnectIfAllFilesAreCopied</source>
            <translation>Skopiuj pliki firmware.
Po skopiowaniu wszystkich plików
dotknij przycisku „Rozłącz”.</translation>
        </message>
        <message>
            <source>DataMemoryNotMounted</source>
            <translation>Nie można zamontować pamięci danych.
Uruchom ponownie urządzenie.</translation>
        </message>
        <message>
            <source>UpdateTKR9400</source>
            <translation>Aktualizuj TKR 9400</translation>
        </message>
        <message>
            <source>UpdateQJ-5</source>
            <translation>Aktualizuj QJ-5</translation>
        </message>
        <message>
            <source>CouldNotReadFirmwarefile</source>
            <translation>Nie można odczytać pliku firmware.
Spróbuj ponownie.</translation>
        </message>
        <message>
            <source>UpdatingTKR9400</source>
            <translation>Aktualizacja TKR 9400</translation>
        </message>
        <message>
            <source>CopyingFilesPleaseWait</source>
            <translation>Kopiowanie plików, czekaj ...</translation>
        </message>
        <message>
            <source>CouldNotCopyFirmwarefile</source>
            <translation>Nie można skopiować pliku firmware.
Spróbuj ponownie.</translation>
        </message>
        <message>
            <source>FirmwareupdateQJ-5</source>
            <translation>Aktualizacja firmware QJ-5</translation>
        </message>
        <message>
            <source>FirmwareupdateSuccessfullyFinished.</source>
            <translation>Aktualizacja firmware zakończona pomyślnie.</translation>
        </message>
        <message>
            <source>FirmwareupdateTKR9400</source>
            <translation>Aktualizacja firmware TKR 9400</translation>
        </message>
        <message>
            <source>AllFilesCopiedPleaseWaitForReboot</source>
            <translation>Wszystkie pliki skopiowane.
Zaczekaj na restart ...</translation>
        </message>
        <message>
            <source>FirmwareupdateCancelled</source>
            <translation>Aktualizacja firmware anulowana.</translation>
        </message>
        <message>
            <source>TransmittingFirmwarePleaseWait</source>
            <translation>Przesyłanie firmware. Czekaj ...</translation>
        </message>
        <message>
            <source>ErrorDuringFirmwareUpdatePleaseTryAgain</source>
            <translation>Błąd aktualizacji firmware.
Spróbuj ponownie.</translation>
        </message>
        <message>
            <source>FirmwareSuccessfulTransmittedPleaseWaitForRestart</source>
            <translation>Firmware przesłany pomyślnie.
Nie wyłączaj QJ-5.
Zaczekaj na restart.</translation>
        </message>
        <message>
            <source>FirmwareupdateSuccessful</source>
            <translation>Aktualizacja firmware udana.</translation>
        </message>
        <message>
            <source>ErrorDuringUpdatePleaseTryAgainNoAnswerReceivedFromBluetoothDevice</source>
            <translation>Błąd aktualizacji. Spróbuj ponownie.
Brak odpowiedzi urządzenia Bluetooth.</translation>
        </message>
    </context>
    <context>
        <name>TestMenu</name>
        <message>
            <source>PreviousPage</source>
            <translation>Poprzednia strona</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Menu główne</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Następna strona</translation>
        </message>
    </context>
    <context>
        <name>TestMenuAudioLoopback</name>
        <message>
            <source>Back</source>
            <translation>Wstecz</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Zaliczony</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Niezaliczony</translation>
        </message>
    </context>
    <context>
        <name>TestMenuFlashUpdate</name>
        <message>
            <source>Back</source>
            <translation>Wstecz</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Zaliczony</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Niezaliczony</translation>
        </message>
    </context>
    <context>
        <name>TestmenuAudio</name>
        <message>
            <source>Back</source>
            <translation>Wstecz</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Zaliczony</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Niezaliczony</translation>
        </message>
    </context>
    <context>
        <name>TestmenuBattery</name>
        <message>
            <source>Back</source>
            <translation>Wstecz</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Zaliczony</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Niezaliczony</translation>
        </message>
    </context>
    <context>
        <name>TestmenuDisplay</name>
        <message>
            <source>Back</source>
            <translation>Wstecz</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Zaliczony</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Niezaliczony</translation>
        </message>
    </context>
    <context>
        <name>TestmenuGps</name>
        <message>
            <source>Back</source>
            <translation>Wstecz</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Zaliczony</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Niezaliczony</translation>
        </message>
    </context>
    <context>
        <name>TestmenuInitBluetooth</name>
        <message>
            <source>Back</source>
            <translation>Wstecz</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Zaliczony</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Niezaliczony</translation>
        </message>
    </context>
    <context>
        <name>TestmenuKeyboard</name>
        <message>
            <source>Back</source>
            <translation>Wstecz</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Zaliczony</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Niezaliczony</translation>
        </message>
    </context>
    <context>
        <name>TestmenuLed</name>
        <message>
            <source>Back</source>
            <translation>Wstecz</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Zaliczony</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Niezaliczony</translation>
        </message>
    </context>
    <context>
        <name>TestmenuRemoteCtrl</name>
        <message>
            <source>Back</source>
            <translation>Wstecz</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSdcard</name>
        <message>
            <source>Back</source>
            <translation>Wstecz</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Zaliczony</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Niezaliczony</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSelftest</name>
        <message>
            <source>Back</source>
            <translation>Wstecz</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Zaliczony</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Niezaliczony</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSensordetection</name>
        <message>
            <source>Back</source>
            <translation>Wstecz</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Zaliczony</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Niezaliczony</translation>
        </message>
    </context>
    <context>
        <name>TestmenuUartUsbSwitch</name>
        <message>
            <source>Back</source>
            <translation>Wstecz</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Zaliczony</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Niezaliczony</translation>
        </message>
    </context>
    <context>
        <name>TestmenuUsb</name>
        <message>
            <source>Back</source>
            <translation>Wstecz</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Zaliczony</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Niezaliczony</translation>
        </message>
    </context>
    <context>
        <name>MeasManagementEdit</name>
        <message>
            <source>ChangeName</source>
            <translation>Zmień nazwę</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Zatwierdź</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Anuluj</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Usuń</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Histogram</translation>
        </message>
        <message>
            <source>Levelmeasurement</source>
            <translation>Pomiar poziomu</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Lokalizacja rur</translation>
        </message>
        <message>
            <source>H2-Measurement</source>
            <translation>Pomiar H2</translation>
        </message>
        <message>
            <source>Longtermmeasurement</source>
            <translation>Pomiar długotrwały</translation>
        </message>
    </context>
    <context>
        <name>AudioWorker</name>
        <message>
            <source>StoringTheSoundPleaseWait</source>
            <translation>Zapisywanie pliku dźwiękowego.
Proszę czekać ...</translation>
        </message>
    </context>
</TS>
