<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU">
    <context>
        <name>GpsMonitor</name>
        <message>
            <source>GpsInformation</source>
            <translation>GPS-adatok</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Idő</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Dátum</translation>
        </message>
        <message>
            <source>Latitude</source>
            <translation>Szélesség</translation>
        </message>
        <message>
            <source>Longitude</source>
            <translation>Hosszúság</translation>
        </message>
        <message>
            <source>Quality</source>
            <translation>Minőség</translation>
        </message>
        <message>
            <source>DistanceMeasurement</source>
            <translation>Távolságmérés</translation>
        </message>
        <message>
            <source>ReferencePosition</source>
            <translation>Referenciapozíció</translation>
        </message>
        <message>
            <source>CurrentPosition</source>
            <translation>Aktuális pozíció</translation>
        </message>
        <message>
            <source>Distance</source>
            <translation>Távolság</translation>
        </message>
        <message>
            <source>SatelliteInformation</source>
            <translation>Műholdadatok</translation>
        </message>
        <message>
            <source>Satellites</source>
            <translation>Műholdak</translation>
        </message>
        <message>
            <source>Direction</source>
            <translation>Irány</translation>
        </message>
        <message>
            <source>Height</source>
            <translation>Magasság</translation>
        </message>
        <message>
            <source>Groundspeed</source>
            <translation>Sebesség</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Főmenü</translation>
        </message>
        <message>
            <source>SatelliteInfo</source>
            <translation>Műholdadatok</translation>
        </message>
        <message>
            <source>SwitchGpsFormat</source>
            <translation>Koordinátaformátum váltása</translation>
        </message>
        <message>
            <source>DisplayNmeaData</source>
            <translation>NMEA-adatok mutatása</translation>
        </message>
        <message>
            <source>DisplayGpsPosition</source>
            <translation>GPS-pozíció mutatása</translation>
        </message>
        <message>
            <source>SetReferencePosition</source>
            <translation>Referenciapozíció beállítása</translation>
        </message>
        <message>
            <source>StartMonitoring</source>
            <translation>Figyelés indítása</translation>
        </message>
        <message>
            <source>StopMonitoring</source>
            <translation>Figyelés leállítása, óra beállítása</translation>
        </message>
        <message>
            <source>DeleteData</source>
            <translation>Adatok törlése</translation>
        </message>
    </context>
    <context>
        <name>H2Sensor</name>
        <message>
            <source>YouMustConnectAH2-SensorToUseThisMeasurement</source>
            <translation>Ehhez a méréshez H2-érzékelőt
kell csatlakoztatni.</translation>
        </message>
        <message>
            <source>SetReferenceLevel</source>
            <translation>Referenciaszint beállítása</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>Méréstartomány</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Fejhallgató-hangerő</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Mentés</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Főmenü</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Vissza</translation>
        </message>
    </context>
    <context>
        <name>LanguageSelect</name>
        <message>
            <source>German</source>
            <translation>Német</translation>
        </message>
        <message>
            <source>French</source>
            <translation>Francia</translation>
        </message>
        <message>
            <source>Italian</source>
            <translation>Olasz</translation>
        </message>
        <message>
            <source>Spanish</source>
            <translation>Spanyol</translation>
        </message>
        <message>
            <source>Chinese</source>
            <translation>Kínai</translation>
        </message>
        <message>
            <source>Czech</source>
            <translation>Cseh</translation>
        </message>
        <message>
            <source>Hungarian</source>
            <translation>Magyar</translation>
        </message>
        <message>
            <source>Russian</source>
            <translation>Orosz</translation>
        </message>
        <message>
            <source>Slovenian</source>
            <translation>Szlovén</translation>
        </message>
        <message>
            <source>Japanese</source>
            <translation>Japán</translation>
        </message>
        <message>
            <source>Polish</source>
            <translation>Lengyel</translation>
        </message>
        <message>
            <source>Portuguese</source>
            <translation>Portugál</translation>
        </message>
        <message>
            <source>Romanian</source>
            <translation>Román</translation>
        </message>
        <message>
            <source>Slovakian</source>
            <translation>Szlovák</translation>
        </message>
        <message>
            <source>Swedish</source>
            <translation>Svéd</translation>
        </message>
        <message>
            <source>Suomi</source>
            <translation>Finn</translation>
        </message>
        <message>
            <source>Danish</source>
            <translation>Dán</translation>
        </message>
        <message>
            <source>Norwegian</source>
            <translation>Norvég</translation>
        </message>
        <message>
            <source>Bulgarian</source>
            <translation>Bolgár</translation>
        </message>
        <message>
            <source>Croatian</source>
            <translation>Horvát</translation>
        </message>
        <message>
            <source>Korean</source>
            <translation>Koreai</translation>
        </message>
        <message>
            <source>Serbian</source>
            <translation>Szerb</translation>
        </message>
        <message>
            <source>Turkish</source>
            <translation>Török</translation>
        </message>
        <message>
            <source>English</source>
            <translation>Angol</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Előző oldal</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Vissza</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Következő oldal</translation>
        </message>
    </context>
    <context>
        <name>Levelmeasurement</name>
        <message>
            <source>AdjustFilter</source>
            <translation>Szűrő beállítása</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Mentés</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Fejhallgató-hangerő</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Mikrofonerősítés</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Főmenü</translation>
        </message>
        <message>
            <source>PlayRecordedSound</source>
            <translation>Felvétel lejátszása</translation>
        </message>
        <message>
            <source>StopPlaying</source>
            <translation>Lejátszás leállítása</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Vissza</translation>
        </message>
        <message>
            <source>HeadphoneGain</source>
            <translation>Fejhallgató-erősítés</translation>
        </message>
        <message>
            <source>StoredWithoutSound</source>
            <translation>Mentve hang nélkül.</translation>
        </message>
    </context>
    <context>
        <name>Longtermmeasurement</name>
        <message>
            <source>Store</source>
            <translation>Mentés</translation>
        </message>
        <message>
            <source>AnalysisTime</source>
            <translation>Elemzési idő</translation>
        </message>
        <message>
            <source>Autoscale</source>
            <translation>Automatikus skála</translation>
        </message>
        <message>
            <source>AdditionalSettings</source>
            <translation>További beállítások</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Főmenü</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Vissza</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Mikrofonerősítés</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Fejhallgató-hangerő</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Szűrő beállítása</translation>
        </message>
        <message>
            <source>10 min</source>
            <translation>10 perc</translation>
        </message>
        <message>
            <source>30 min</source>
            <translation>30 perc</translation>
        </message>
        <message>
            <source>3 min</source>
            <translation>3 perc</translation>
        </message>
    </context>
    <context>
        <name>MainMenu</name>
        <message>
            <source>Histogram</source>
            <translation>Hisztogram</translation>
        </message>
        <message>
            <source>H2Sensor</source>
            <translation>H2-érzékelő</translation>
        </message>
        <message>
            <source>Level</source>
            <translation>Szint</translation>
        </message>
        <message>
            <source>Management</source>
            <translation>Kezelés</translation>
        </message>
        <message>
            <source>Longterm</source>
            <translation>Hosszú távú</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Csőkeresés</translation>
        </message>
    </context>
    <context>
        <name>Management</name>
        <message>
            <source>Measurements</source>
            <translation>Mérések</translation>
        </message>
        <message>
            <source>QJ-5</source>
            <translation>QJ-5</translation>
        </message>
        <message>
            <source>Update</source>
            <translation>Frissítés</translation>
        </message>
        <message>
            <source>GPS</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>Beállítások</translation>
        </message>
    </context>
    <context>
        <name>MeasManagement</name>
        <message>
            <source>Mainmenu</source>
            <translation>Főmenü</translation>
        </message>
        <message>
            <source>EditMeasurement</source>
            <translation>Mérés szerkesztése</translation>
        </message>
        <message>
            <source>FilterMeasurements</source>
            <translation>Mérések szűrése</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Előző oldal</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Következő oldal</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Hiba</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeRenamed</source>
            <translation>A mérést nem sikerült átnevezni.</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeDeleted</source>
            <translation>A mérést nem sikerült törölni.</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Figyelmeztetés</translation>
        </message>
        <message>
            <source>MeasurementDeletedFilesRemain</source>
            <translation>A mérés lekerült a listáról.
Néhány fájlja a következő mérés mentésekor törlődik.</translation>
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
            <translation>Főmenü</translation>
        </message>
        <message>
            <source>Autoscale</source>
            <translation>Automatikus skála</translation>
        </message>
        <message>
            <source>DeleteLastLevel</source>
            <translation>Utolsó szint törlése</translation>
        </message>
        <message>
            <source>AdditionalSettings</source>
            <translation>További beállítások</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Mentés</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Szűrő beállítása</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Mikrofonerősítés</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Fejhallgató-hangerő</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Vissza</translation>
        </message>
        <message>
            <source>PlayAudioData</source>
            <translation>Hang lejátszása</translation>
        </message>
        <message>
            <source>StopPlaying</source>
            <translation>Lejátszás leállítása</translation>
        </message>
        <message>
            <source>PlayNextPosition</source>
            <translation>Következő pont lejátszása</translation>
        </message>
        <message>
            <source>LOG</source>
            <translation>LOG</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Figyelmeztetés</translation>
        </message>
        <message numerus="yes">
            <source>StoredWithoutTheSoundOfPoint</source>
            <translation>
                <numerusform>Mentve. Hang nélkül maradt
pont(ok): %1</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>Pipelocating</name>
        <message>
            <source>Mainmenu</source>
            <translation>Főmenü</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Szűrő beállítása</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Mikrofonerősítés</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Fejhallgató-hangerő</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Mentés</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Vissza</translation>
        </message>
    </context>
    <context>
        <name>PressureSensor</name>
        <message>
            <source>Mainmenu</source>
            <translation>Főmenü</translation>
        </message>
        <message>
            <source>SetReferenceLevel</source>
            <translation>Referenciaszint beállítása</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>Méréstartomány</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Fejhallgató-hangerő</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Mentés</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Vissza</translation>
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
            <translation>ÁTL = %1 bar</translation>
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
            <translation>Képernyőkép</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Hisztogram</translation>
        </message>
        <message>
            <source>LevelMeasurement</source>
            <translation>Szintmérés</translation>
        </message>
        <message>
            <source>LongtermMeasurement</source>
            <translation>Hosszú távú mérés</translation>
        </message>
        <message>
            <source>H2-Sensor</source>
            <translation>H2-érzékelő</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Csőkeresés</translation>
        </message>
        <message>
            <source>never</source>
            <translation>soha</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Előző oldal</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Főmenü</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Következő oldal</translation>
        </message>
        <message>
            <source>ModeMuteButton</source>
            <translation>Némítás</translation>
        </message>
        <message>
            <source>HearingProtection</source>
            <translation>Hallásvédelem</translation>
        </message>
        <message>
            <source>Customize</source>
            <translation>Testreszabás</translation>
        </message>
        <message>
            <source>differentValues</source>
            <translation>eltérő értékek</translation>
        </message>
        <message>
            <source>PairedHeadphone</source>
            <translation>Párosított fejhallgató</translation>
        </message>
        <message>
            <source>PairedMicrophone</source>
            <translation>Párosított mikrofon</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation>Fényerő</translation>
        </message>
        <message>
            <source>PowerSaving</source>
            <translation>Energiatakarékosság</translation>
        </message>
        <message>
            <source>FavouriteButton</source>
            <translation>Kedvenc gomb</translation>
        </message>
        <message>
            <source>Systeminformation</source>
            <translation>Rendszeradatok</translation>
        </message>
        <message>
            <source>ResetToDeliverystate</source>
            <translation>Visszaállítás</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>Nyelv</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Idő</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Dátum</translation>
        </message>
        <message>
            <source>Timezone</source>
            <translation>Időzóna</translation>
        </message>
        <message>
            <source>DaylightSavingTime</source>
            <translation>Nyári időszámítás</translation>
        </message>
        <message>
            <source>Switch</source>
            <translation>Kapcsoló</translation>
        </message>
        <message>
            <source>PushButton</source>
            <translation>Nyomógomb</translation>
        </message>
        <message>
            <source>Active</source>
            <translation>Aktív</translation>
        </message>
        <message>
            <source>Inactive</source>
            <translation>Inaktív</translation>
        </message>
        <message>
            <source>low</source>
            <translation>alacsony</translation>
        </message>
        <message>
            <source>medium</source>
            <translation>közepes</translation>
        </message>
        <message>
            <source>high</source>
            <translation>magas</translation>
        </message>
        <message>
            <source>Summertime</source>
            <translation>Nyári idő</translation>
        </message>
        <message>
            <source>Wintertime</source>
            <translation>Téli idő</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Hiba</translation>
        </message>
        <message>
            <source>SettingCouldNotBeStored</source>
            <translation>A beállítást nem sikerült menteni.</translation>
        </message>
    </context>
    <context>
        <name>MessageDialog</name>
        <message>
            <source>Yes</source>
            <translation>Igen</translation>
        </message>
        <message>
            <source>No</source>
            <translation>Nem</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Mégse</translation>
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
            <translation>Mikrofon konfigurálása</translation>
        </message>
        <message>
            <source>SensorType</source>
            <translation>Érzékelő típusa</translation>
        </message>
        <message>
            <source>Gain</source>
            <translation>Erősítés</translation>
        </message>
        <message>
            <source>BatteryState</source>
            <translation>Akku állapota</translation>
        </message>
        <message>
            <source>Firmwareversion</source>
            <translation>Firmware-verzió</translation>
        </message>
        <message>
            <source>HardwareVersion</source>
            <translation>Hardververzió</translation>
        </message>
        <message>
            <source>ButtonMode</source>
            <translation>Némítás</translation>
        </message>
        <message>
            <source>BluetoothName</source>
            <translation>Bluetooth-név</translation>
        </message>
        <message>
            <source>BluetoothId</source>
            <translation>Bluetooth-ID</translation>
        </message>
        <message>
            <source>Reload</source>
            <translation>Újraolvasás</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Főmenü</translation>
        </message>
        <message>
            <source>noSensor</source>
            <translation>nincs érzékelő</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>ismeretlen</translation>
        </message>
    </context>
    <context>
        <name>Statusbardata</name>
        <message>
            <source>Warning</source>
            <translation>Figyelmeztetés</translation>
        </message>
        <message>
            <source>TheBatteryIsVeryLowPleaseRecharge</source>
            <translation>Az akkumulátor nagyon lemerült. Töltse fel.</translation>
        </message>
        <message>
            <source>TheSensorCouldNotBeDetected</source>
            <translation>Az érzékelő nem ismerhető fel.</translation>
        </message>
        <message>
            <source>BatteryVoltageOfQJ5ToLow</source>
            <translation>A QJ-5 akkumulátorfeszültsége nagyon alacsony.
Töltse fel.</translation>
        </message>
        <message>
            <source>ProblemWithSensorTypeDetection</source>
            <translation>Az érzékelő típusa nem ismerhető fel.
Rögzítse az érzékelőt, vagy tisztítsa meg az érintkezőket.</translation>
        </message>
    </context>
    <context>
        <name>BluetoothPairing</name>
        <message>
            <source>SearchBluetoothDevices</source>
            <translation>Bluetooth-eszközök keresése</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Mégse</translation>
        </message>
        <message>
            <source>FoundBluetoothDevices</source>
            <translation>Talált Bluetooth-eszközök</translation>
        </message>
        <message>
            <source>EnablePairingModeAndPressSearchButton</source>
            <translation>Kapcsolja be a párosítási módot,
és koppintson a Keresés gombra.</translation>
        </message>
        <message>
            <source>Searching</source>
            <translation>Keresés</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>ismeretlen</translation>
        </message>
        <message>
            <source>SelectDeviceForPairing</source>
            <translation>Válassza ki a párosítandó eszközt.</translation>
        </message>
        <message>
            <source>NoDevicesFoundTryAgain</source>
            <translation>Nem található eszköz.</translation>
        </message>
        <message>
            <source>PairingDevice</source>
            <translation>Eszköz párosítása</translation>
        </message>
        <message>
            <source>PairingNotSuccessfulPleaseTryAgain</source>
            <translation>A párosítás sikertelen. Próbálja újra.</translation>
        </message>
    </context>
    <context>
        <name>CustomizeDialogs</name>
        <message>
            <source>LevelMeasurement</source>
            <translation>Szintmérés</translation>
        </message>
        <message>
            <source>ShowPeakLevelBar</source>
            <translation>Csúcsszint mutatása</translation>
        </message>
        <message>
            <source>UseFrequencyColorForLevelBar</source>
            <translation>Frekvenciaszín a szintsávon</translation>
        </message>
        <message>
            <source>ShowFrequencySpectrum</source>
            <translation>Frekvenciaspektrum mutatása</translation>
        </message>
        <message>
            <source>ShowFrequencyValue</source>
            <translation>Frekvenciaérték mutatása</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Hisztogram</translation>
        </message>
        <message>
            <source>ShowFilterParameter</source>
            <translation>Szűrőparaméter mutatása</translation>
        </message>
        <message>
            <source>DynamicScaling</source>
            <translation>Dinamikus skálázás</translation>
        </message>
        <message>
            <source>LongtermMeasurement</source>
            <translation>Hosszú távú mérés</translation>
        </message>
        <message>
            <source>ShowGrid</source>
            <translation>Rács mutatása</translation>
        </message>
        <message>
            <source>H2measurement</source>
            <translation>H2-mérés</translation>
        </message>
        <message>
            <source>ShowHistogram</source>
            <translation>Hisztogram mutatása</translation>
        </message>
        <message>
            <source>ShowWorkingRange</source>
            <translation>Munkatartomány mutatása</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Csőkeresés</translation>
        </message>
        <message>
            <source>PowerOn</source>
            <translation>Teendők bekapcsoláskor</translation>
        </message>
        <message>
            <source>StartWithFavourite</source>
            <translation>Indítás a kedvenc funkcióval</translation>
        </message>
        <message>
            <source>StartWithFilter</source>
            <translation>Indítás bekapcsolt szűrőkkel</translation>
        </message>
        <message>
            <source>StartWithGps</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Előző oldal</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Alkalmaz</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Mégse</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Következő oldal</translation>
        </message>
    </context>
    <context>
        <name>DateTimeAdjust</name>
        <message>
            <source>Day</source>
            <translation>Nap</translation>
        </message>
        <message>
            <source>Month</source>
            <translation>Hónap</translation>
        </message>
        <message>
            <source>Year</source>
            <translation>Év</translation>
        </message>
        <message>
            <source>GPS</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>Manual</source>
            <translation>Kézi</translation>
        </message>
        <message>
            <source>Hour</source>
            <translation>Óra</translation>
        </message>
        <message>
            <source>Minute</source>
            <translation>Perc</translation>
        </message>
        <message>
            <source>Second</source>
            <translation>Mp</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Alkalmaz</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Mégse</translation>
        </message>
        <message>
            <source>InvalidDate</source>
            <translation>Érvénytelen dátum</translation>
        </message>
        <message>
            <source>DateDoesNotExist</source>
            <translation>Ez a dátum nem létezik. Javítsa ki.</translation>
        </message>
    </context>
    <context>
        <name>Displaysettings</name>
        <message>
            <source>Accept</source>
            <translation>Alkalmaz</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Mégse</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation>Fényerő</translation>
        </message>
        <message>
            <source>high</source>
            <translation>magas</translation>
        </message>
        <message>
            <source>medium</source>
            <translation>közepes</translation>
        </message>
        <message>
            <source>low</source>
            <translation>alacsony</translation>
        </message>
    </context>
    <context>
        <name>HearingProtection</name>
        <message>
            <source>Accept</source>
            <translation>Alkalmaz</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Mégse</translation>
        </message>
        <message>
            <source>HearingProtection</source>
            <translation>Hallásvédelem</translation>
        </message>
        <message>
            <source>Active</source>
            <translation>Aktív</translation>
        </message>
        <message>
            <source>Inactive</source>
            <translation>Inaktív</translation>
        </message>
        <message>
            <source>DefaultHeadphoneVolume</source>
            <translation>Fejhallgató-hangerő beállítása</translation>
        </message>
        <message>
            <source>WarningRiskOfAcousticShock</source>
            <translation>Figyelem! Akusztikus sokk veszélye.</translation>
        </message>
        <message>
            <source>MaximumVolumeWillBeLimited</source>
            <translation>A maximális hangerő korlátozva lesz.</translation>
        </message>
    </context>
    <context>
        <name>PowerSaving</name>
        <message>
            <source>Accept</source>
            <translation>Alkalmaz</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Mégse</translation>
        </message>
        <message>
            <source>BacklightOff</source>
            <translation>Háttérvilágítás ki</translation>
        </message>
        <message>
            <source>PowerOff</source>
            <translation>Kikapcsolás</translation>
        </message>
        <message>
            <source>never</source>
            <translation>soha</translation>
        </message>
    </context>
    <context>
        <name>ResetSettings</name>
        <message>
            <source>Back</source>
            <translation>Vissza</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Figyelmeztetés</translation>
        </message>
        <message>
            <source>ResetToDeliveryState</source>
            <translation>Gyári állapot visszaállítása.
Minden beállítás (pl. nyelv,
párosított Bluetooth-eszközök) visszaáll.
A mentett mérések megmaradnak.</translation>
        </message>
        <message>
            <source>Reset</source>
            <translation>Visszaállítás</translation>
        </message>
        <message>
            <source>DoYouReallyWantToResetAllSettings</source>
            <translation>Biztosan visszaállítja az összes beállítást?</translation>
        </message>
    </context>
    <context>
        <name>SelectFavouriteButton</name>
        <message>
            <source>Accept</source>
            <translation>Alkalmaz</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Mégse</translation>
        </message>
    </context>
    <context>
        <name>SelectSwitchmode</name>
        <message>
            <source>Accept</source>
            <translation>Alkalmaz</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Mégse</translation>
        </message>
        <message>
            <source>ModeOfMutingButton</source>
            <translation>Némítógomb módja</translation>
        </message>
        <message>
            <source>Switch</source>
            <translation>Kapcsoló</translation>
        </message>
        <message>
            <source>PushButton</source>
            <translation>Nyomógomb</translation>
        </message>
    </context>
    <context>
        <name>SelectTimezone</name>
        <message>
            <source>DaylightSavingTime</source>
            <translation>Nyári időszámítás</translation>
        </message>
        <message>
            <source>Summertime</source>
            <translation>Nyári idő</translation>
        </message>
        <message>
            <source>Wintertime</source>
            <translation>Téli idő</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Alkalmaz</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Mégse</translation>
        </message>
        <message>
            <source>MidwayIslands</source>
            <translation>Midway-szigetek</translation>
        </message>
        <message>
            <source>Hawaii</source>
            <translation>Hawaii</translation>
        </message>
        <message>
            <source>Alaska</source>
            <translation>Alaszka</translation>
        </message>
        <message>
            <source>Pacific</source>
            <translation>Csendes-óceáni idő</translation>
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
            <translation>New York</translation>
        </message>
        <message>
            <source>Manaus</source>
            <translation>Manaus</translation>
        </message>
        <message>
            <source>Newfoundland</source>
            <translation>Új-Fundland</translation>
        </message>
        <message>
            <source>Greenland</source>
            <translation>Grönland</translation>
        </message>
        <message>
            <source>MiddleAtlantic</source>
            <translation>Közép-atlanti idő</translation>
        </message>
        <message>
            <source>Azores</source>
            <translation>Azori-szigetek</translation>
        </message>
        <message>
            <source>London</source>
            <translation>London</translation>
        </message>
        <message>
            <source>Berlin</source>
            <translation>Berlin</translation>
        </message>
        <message>
            <source>Cairo</source>
            <translation>Kairó</translation>
        </message>
        <message>
            <source>Moscow</source>
            <translation>Moszkva</translation>
        </message>
        <message>
            <source>Teheran</source>
            <translation>Teherán</translation>
        </message>
        <message>
            <source>AbuDhabi</source>
            <translation>Abu-Dzabi</translation>
        </message>
        <message>
            <source>Kabul</source>
            <translation>Kabul</translation>
        </message>
        <message>
            <source>Islamabad</source>
            <translation>Iszlámábád</translation>
        </message>
        <message>
            <source>NewDelhi</source>
            <translation>Újdelhi</translation>
        </message>
        <message>
            <source>Katmandu</source>
            <translation>Katmandu</translation>
        </message>
        <message>
            <source>Nowosibirsk</source>
            <translation>Novoszibirszk</translation>
        </message>
        <message>
            <source>Yangon</source>
            <translation>Yangon</translation>
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
            <translation>Tokió</translation>
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
            <translation>Fidzsi</translation>
        </message>
    </context>
    <context>
        <name>Systeminformation</name>
        <message>
            <source>Systeminformation</source>
            <translation>Rendszeradatok</translation>
        </message>
        <message>
            <source>Firmwareversion</source>
            <translation>Firmware-verzió</translation>
        </message>
        <message>
            <source>Serialnumber</source>
            <translation>Sorozatszám</translation>
        </message>
        <message>
            <source>BluetoothIdTx</source>
            <translation>Bluetooth-ID TX</translation>
        </message>
        <message>
            <source>BluetoothIdRx</source>
            <translation>Bluetooth-ID RX</translation>
        </message>
        <message>
            <source>Hardwareversion</source>
            <translation>Hardververzió</translation>
        </message>
        <message>
            <source>OperatingSystem</source>
            <translation>Operációs rendszer</translation>
        </message>
        <message>
            <source>Battery</source>
            <translation>Akkumulátor</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Vissza</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>ismeretlen</translation>
        </message>
    </context>
    <context>
        <name>BackupDialog</name>
        <message>
            <source>ConnectTheTKR9400ToYourPC</source>
            <translation>Csatlakoztassa a TKR 9400-at a PC-hez,
és koppintson a Csatlakozás gombra.</translation>
        </message>
        <message>
            <source>Connect</source>
            <translation>Csatlakozás</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <translation>Leválasztás</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Mégse</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Figyelmeztetés</translation>
        </message>
        <message>
            <source>DataMemoryNotMounted</source>
            <translation>Az adatmemória nem csatolható.
Indítsa újra a készüléket.</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Hiba</translation>
        </message>
        <message>
            <source>DataTransferNotPossible</source>
            <translation>Az adatmemória használatban van.
Próbálja újra.</translation>
        </message>
    </context>
    <context>
        <name>Measurements</name>
        <message>
            <source>Error</source>
            <translation>Hiba</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Figyelmeztetés</translation>
        </message>
        <message>
            <source>NoMoreMeasurementsCanBeStored</source>
            <translation>Elérte a mérések maximális számát.
A mérés nem lesz mentve.
Törölje a régi méréseket.</translation>
        </message>
        <message>
            <source>OnlyAfewMeasurementsCanBeStored</source>
            <translation>A mérések száma a korlát közelében van.
Törölje a régi méréseket.</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeStored</source>
            <translation>A mérést nem sikerült menteni.</translation>
        </message>
    </context>
    <context>
        <name>MeasuringPage</name>
        <message>
            <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
            <translation>Ehhez a méréshez akusztikus érzékelőt
kell csatlakoztatni.</translation>
        </message>
        <message>
            <source>Note</source>
            <translation>Megjegyzés</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Figyelmeztetés</translation>
        </message>
        <message>
            <source>NoBluetoothConnectionPleaseCheckYourQJ5</source>
            <translation>Nincs Bluetooth-kapcsolat.
Ellenőrizze a QJ-5-öt.</translation>
        </message>
    </context>
    <context>
        <name>Filtersettings</name>
        <message>
            <source>Accept</source>
            <translation>Alkalmaz</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Mikrofonerősítés</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Fejhallgató-hangerő</translation>
        </message>
        <message>
            <source>AutomaticFilterSetting</source>
            <translation>Automatikus szűrőbeállítás</translation>
        </message>
        <message>
            <source>NoFilter</source>
            <translation>Nincs szűrő</translation>
        </message>
    </context>
    <context>
        <name>Headphonesettings</name>
        <message>
            <source>Accept</source>
            <translation>Alkalmaz</translation>
        </message>
        <message>
            <source>WarningRiskOfAcousticShock</source>
            <translation>Figyelem! Akusztikus sokk veszélye.</translation>
        </message>
        <message>
            <source>WarningHighVolumesCanLeadToHearingDamage</source>
            <translation>Figyelem!
A nagy hangerő halláskárosodást okozhat.</translation>
        </message>
    </context>
    <context>
        <name>Micsettings</name>
        <message>
            <source>Accept</source>
            <translation>Alkalmaz</translation>
        </message>
    </context>
    <context>
        <name>Firmwareupdate</name>
        <message>
            <source>ConnectTheTKR9400ToYourPC</source>
            <translation>Csatlakoztassa a TKR 9400-at a PC-hez,
és koppintson a Csatlakozás gombra.</translation>
        </message>
        <message>
            <source>Connect</source>
            <translation>Csatlakozás</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <translation>Leválasztás</translation>
        </message>
        <message>
            <source>UpdateDevice</source>
            <translation>Firmware frissítése</translation>
        </message>
        <message>
            <source>CurrentFirmware</source>
            <translation>Jelenlegi firmware</translation>
        </message>
        <message>
            <source>NewFirmware</source>
            <translation>Új firmware</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Alkalmaz</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Mégse</translation>
        </message>
        <message>
            <source>TransmittingFirmware</source>
            <translation>Firmware átvitele</translation>
        </message>
        <message>
            <source>Status</source>
            <translation>Állapot</translation>
        </message>
        <message>
            <source>UpdatingDevice</source>
            <translation>Készülék frissítése</translation>
        </message>
        <message>
            <source>PleaseWaitForReboot</source>
            <translation>Várja meg az újraindítást.</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>ConnectTheTKR9400ToYourPCAndPressTheButtonConnect</source>
            <translation>Csatlakoztassa a TKR 9400-at a PC-hez,
és koppintson a Csatlakozás gombra.</translation>
        </message>
        <message>
            <source>DataTransferNotPossible</source>
            <translation>Az adatmemória használatban van.
Próbálja újra.</translation>
        </message>
        <message>
            <source>PleaseCopyTheFirmwarefilesPressTheButtonDisconnectIfAllFilesAreCopied</source>
            <translation>Másolja át a firmware-fájlokat.
Ha minden fájl átkerült, koppintson
a Leválasztás gombra.</translation>
        </message>
        <message>
            <source>DataMemoryNotMounted</source>
            <translation>Az adatmemória nem csatolható.
Indítsa újra a készüléket.</translation>
        </message>
        <message>
            <source>UpdateTKR9400</source>
            <translation>TKR 9400 frissítése</translation>
        </message>
        <message>
            <source>UpdateQJ-5</source>
            <translation>QJ-5 frissítése</translation>
        </message>
        <message>
            <source>CouldNotReadFirmwarefile</source>
            <translation>A firmware-fájl nem olvasható.
Próbálja újra.</translation>
        </message>
        <message>
            <source>UpdatingTKR9400</source>
            <translation>TKR 9400 frissítése</translation>
        </message>
        <message>
            <source>CopyingFilesPleaseWait</source>
            <translation>Fájlok másolása, várjon ...</translation>
        </message>
        <message>
            <source>CouldNotCopyFirmwarefile</source>
            <translation>A firmware-fájl nem másolható.
Próbálja újra.</translation>
        </message>
        <message>
            <source>FirmwareupdateQJ-5</source>
            <translation>QJ-5 firmware-frissítés</translation>
        </message>
        <message>
            <source>FirmwareupdateSuccessfullyFinished.</source>
            <translation>A firmware-frissítés sikeresen befejeződött.</translation>
        </message>
        <message>
            <source>FirmwareupdateTKR9400</source>
            <translation>TKR 9400 firmware-frissítés</translation>
        </message>
        <message>
            <source>AllFilesCopiedPleaseWaitForReboot</source>
            <translation>Minden fájl átmásolva.
Várja meg az újraindítást ...</translation>
        </message>
        <message>
            <source>FirmwareupdateCancelled</source>
            <translation>A firmware-frissítés megszakítva.</translation>
        </message>
        <message>
            <source>TransmittingFirmwarePleaseWait</source>
            <translation>Firmware átvitele. Várjon ...</translation>
        </message>
        <message>
            <source>ErrorDuringFirmwareUpdatePleaseTryAgain</source>
            <translation>Hiba a firmware-frissítés közben.
Próbálja újra.</translation>
        </message>
        <message>
            <source>FirmwareSuccessfulTransmittedPleaseWaitForRestart</source>
            <translation>A firmware átvitele sikeres.
Ne kapcsolja ki a QJ-5-öt.
Várja meg az újraindulást.</translation>
        </message>
        <message>
            <source>FirmwareupdateSuccessful</source>
            <translation>A firmware-frissítés sikeres.</translation>
        </message>
        <message>
            <source>ErrorDuringUpdatePleaseTryAgainNoAnswerReceivedFromBluetoothDevice</source>
            <translation>Hiba a frissítés közben. Próbálja újra.
A Bluetooth-eszköz nem válaszolt.</translation>
        </message>
    </context>
    <context>
        <name>TestMenu</name>
        <message>
            <source>PreviousPage</source>
            <translation>Előző oldal</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Főmenü</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Következő oldal</translation>
        </message>
    </context>
    <context>
        <name>TestMenuAudioLoopback</name>
        <message>
            <source>Back</source>
            <translation>Vissza</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Megfelelt</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Hibás</translation>
        </message>
    </context>
    <context>
        <name>TestMenuFlashUpdate</name>
        <message>
            <source>Back</source>
            <translation>Vissza</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Megfelelt</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Hibás</translation>
        </message>
    </context>
    <context>
        <name>TestmenuAudio</name>
        <message>
            <source>Back</source>
            <translation>Vissza</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Megfelelt</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Hibás</translation>
        </message>
    </context>
    <context>
        <name>TestmenuBattery</name>
        <message>
            <source>Back</source>
            <translation>Vissza</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Megfelelt</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Hibás</translation>
        </message>
    </context>
    <context>
        <name>TestmenuDisplay</name>
        <message>
            <source>Back</source>
            <translation>Vissza</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Megfelelt</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Hibás</translation>
        </message>
    </context>
    <context>
        <name>TestmenuGps</name>
        <message>
            <source>Back</source>
            <translation>Vissza</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Megfelelt</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Hibás</translation>
        </message>
    </context>
    <context>
        <name>TestmenuInitBluetooth</name>
        <message>
            <source>Back</source>
            <translation>Vissza</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Megfelelt</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Hibás</translation>
        </message>
    </context>
    <context>
        <name>TestmenuKeyboard</name>
        <message>
            <source>Back</source>
            <translation>Vissza</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Megfelelt</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Hibás</translation>
        </message>
    </context>
    <context>
        <name>TestmenuLed</name>
        <message>
            <source>Back</source>
            <translation>Vissza</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Megfelelt</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Hibás</translation>
        </message>
    </context>
    <context>
        <name>TestmenuRemoteCtrl</name>
        <message>
            <source>Back</source>
            <translation>Vissza</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSdcard</name>
        <message>
            <source>Back</source>
            <translation>Vissza</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Megfelelt</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Hibás</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSelftest</name>
        <message>
            <source>Back</source>
            <translation>Vissza</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Megfelelt</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Hibás</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSensordetection</name>
        <message>
            <source>Back</source>
            <translation>Vissza</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Megfelelt</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Hibás</translation>
        </message>
    </context>
    <context>
        <name>TestmenuUartUsbSwitch</name>
        <message>
            <source>Back</source>
            <translation>Vissza</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Megfelelt</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Hibás</translation>
        </message>
    </context>
    <context>
        <name>TestmenuUsb</name>
        <message>
            <source>Back</source>
            <translation>Vissza</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Megfelelt</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Hibás</translation>
        </message>
    </context>
    <context>
        <name>MeasManagementEdit</name>
        <message>
            <source>ChangeName</source>
            <translation>Átnevezés</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Alkalmaz</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Mégse</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Törlés</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Hisztogram</translation>
        </message>
        <message>
            <source>Levelmeasurement</source>
            <translation>Szintmérés</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Csőkeresés</translation>
        </message>
        <message>
            <source>H2-Measurement</source>
            <translation>H2-mérés</translation>
        </message>
        <message>
            <source>Longtermmeasurement</source>
            <translation>Hosszú távú mérés</translation>
        </message>
    </context>
    <context>
        <name>AudioWorker</name>
        <message>
            <source>StoringTheSoundPleaseWait</source>
            <translation>A hang mentése folyamatban.
Kérem, várjon ...</translation>
        </message>
    </context>
</TS>
