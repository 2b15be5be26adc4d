<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk_SK">
    <context>
        <name>GpsMonitor</name>
        <message>
            <source>GpsInformation</source>
            <translation>Informácie GPS</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Čas</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Dátum</translation>
        </message>
        <message>
            <source>Latitude</source>
            <translation>Zem. šírka</translation>
        </message>
        <message>
            <source>Longitude</source>
            <translation>Zem. dĺžka</translation>
        </message>
        <message>
            <source>Quality</source>
            <translation>Kvalita</translation>
        </message>
        <message>
            <source>DistanceMeasurement</source>
            <translation>Meranie vzdialenosti</translation>
        </message>
        <message>
            <source>ReferencePosition</source>
            <translation>Referenčná poloha</translation>
        </message>
        <message>
            <source>CurrentPosition</source>
            <translation>Aktuálna poloha</translation>
        </message>
        <message>
            <source>Distance</source>
            <translation>Vzdialenosť</translation>
        </message>
        <message>
            <source>SatelliteInformation</source>
            <translation>Informácie o satelitoch</translation>
        </message>
        <message>
            <source>Satellites</source>
            <translation>Satelity</translation>
        </message>
        <message>
            <source>Direction</source>
            <translation>Smer</translation>
        </message>
        <message>
            <source>Height</source>
            <translation>Výška</translation>
        </message>
        <message>
            <source>Groundspeed</source>
            <translation>Rýchlosť</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Hlavné menu</translation>
        </message>
        <message>
            <source>SatelliteInfo</source>
            <translation>Informácie o satelitoch</translation>
        </message>
        <message>
            <source>SwitchGpsFormat</source>
            <translation>Prepnúť formát súradníc</translation>
        </message>
        <message>
            <source>DisplayNmeaData</source>
            <translation>Zobraziť dáta NMEA</translation>
        </message>
        <message>
            <source>DisplayGpsPosition</source>
            <translation>Zobraziť polohu GPS</translation>
        </message>
        <message>
            <source>SetReferencePosition</source>
            <translation>Nastaviť referenčnú polohu</translation>
        </message>
        <message>
            <source>StartMonitoring</source>
            <translation>Spustiť monitorovanie</translation>
        </message>
        <message>
            <source>StopMonitoring</source>
            <translation>Zastaviť monitorovanie a nastaviť hodiny</translation>
        </message>
        <message>
            <source>DeleteData</source>
            <translation>Vymazať dáta</translation>
        </message>
    </context>
    <context>
        <name>H2Sensor</name>
        <message>
            <source>YouMustConnectAH2-SensorToUseThisMeasurement</source>
            <translation>Na toto meranie musíte
pripojiť snímač H2.</translation>
        </message>
        <message>
            <source>SetReferenceLevel</source>
            <translation>Nastaviť referenčnú hladinu</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>Rozsah</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Hlasitosť slúchadiel</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Uložiť</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Hlavné menu</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Späť</translation>
        </message>
    </context>
    <context>
        <name>LanguageSelect</name>
        <message>
            <source>German</source>
            <translation>Nemčina</translation>
        </message>
        <message>
            <source>French</source>
            <translation>Francúzština</translation>
        </message>
        <message>
            <source>Italian</source>
            <translation>Taliančina</translation>
        </message>
        <message>
            <source>Spanish</source>
            <translation>Španielčina</translation>
        </message>
        <message>
            <source>Chinese</source>
            <translation>Čínština</translation>
        </message>
        <message>
            <source>Czech</source>
            <translation>Čeština</translation>
        </message>
        <message>
            <source>Hungarian</source>
            <translation>Maďarčina</translation>
        </message>
        <message>
            <source>Russian</source>
            <translation>Ruština</translation>
        </message>
        <message>
            <source>Slovenian</source>
            <translation>Slovinčina</translation>
        </message>
        <message>
            <source>Japanese</source>
            <translation>Japončina</translation>
        </message>
        <message>
            <source>Polish</source>
            <translation>Poľština</translation>
        </message>
        <message>
            <source>Portuguese</source>
            <translation>Portugalčina</translation>
        </message>
        <message>
            <source>Romanian</source>
            <translation>Rumunčina</translation>
        </message>
        <message>
            <source>Slovakian</source>
            <translation>Slovenčina</translation>
        </message>
        <message>
            <source>Swedish</source>
            <translation>Švédčina</translation>
        </message>
        <message>
            <source>Suomi</source>
            <translation>Fínčina</translation>
        </message>
        <message>
            <source>Danish</source>
            <translation>Dánčina</translation>
        </message>
        <message>
            <source>Norwegian</source>
            <translation>Nórčina</translation>
        </message>
        <message>
            <source>Bulgarian</source>
            <translation>Bulharčina</translation>
        </message>
        <message>
            <source>Croatian</source>
            <translation>Chorvátčina</translation>
        </message>
        <message>
            <source>Korean</source>
            <translation>Kórejčina</translation>
        </message>
        <message>
            <source>Serbian</source>
            <translation>Srbčina</translation>
        </message>
        <message>
            <source>Turkish</source>
            <translation>Turečtina</translation>
        </message>
        <message>
            <source>English</source>
            <translation>Angličtina</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Predchádzajúca strana</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Späť</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Ďalšia strana</translation>
        </message>
    </context>
    <context>
        <name>Levelmeasurement</name>
        <message>
            <source>AdjustFilter</source>
            <translation>Nastaviť filter</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Uložiť</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Hlasitosť slúchadiel</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Zosilnenie mikrofónu</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Hlavné menu</translation>
        </message>
        <message>
            <source>PlayRecordedSound</source>
            <translation>Prehrať nahraný zvuk</translation>
        </message>
        <message>
            <source>StopPlaying</source>
            <translation>Zastaviť prehrávanie</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Späť</translation>
        </message>
        <message>
            <source>HeadphoneGain</source>
            <translation>Zosilnenie slúchadiel</translation>
        </message>
        <message>
            <source>StoredWithoutSound</source>
            <translation>Uložené bez zvuku.</translation>
        </message>
    </context>
    <context>
        <name>Longtermmeasurement</name>
        <message>
            <source>Store</source>
            <translation>Uložiť</translation>
        </message>
        <message>
            <source>AnalysisTime</source>
            <translation>Čas analýzy</translation>
        </message>
        <message>
            <source>Autoscale</source>
            <translation>Automatická mierka</translation>
        </message>
        <message>
            <source>AdditionalSettings</source>
            <translation>Ďalšie nastavenia</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Hlavné menu</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Späť</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Zosilnenie mikrofónu</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Hlasitosť slúchadiel</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Nastaviť filter</translation>
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
            <translation>Snímač H2</translation>
        </message>
        <message>
            <source>Level</source>
            <translation>Hladina</translation>
        </message>
        <message>
            <source>Management</source>
            <translation>Správa</translation>
        </message>
        <message>
            <source>Longterm</source>
            <translation>Dlhodobé</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Hľadanie rúr</translation>
        </message>
    </context>
    <context>
        <name>Management</name>
        <message>
            <source>Measurements</source>
            <translation>Merania</translation>
        </message>
        <message>
            <source>QJ-5</source>
            <translation>QJ-5</translation>
        </message>
        <message>
            <source>Update</source>
            <translation>Aktualizácia</translation>
        </message>
        <message>
            <source>GPS</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>Nastavenia</translation>
        </message>
    </context>
    <context>
        <name>MeasManagement</name>
        <message>
            <source>Mainmenu</source>
            <translation>Hlavné menu</translation>
        </message>
        <message>
            <source>EditMeasurement</source>
            <translation>Upraviť meranie</translation>
        </message>
        <message>
            <source>FilterMeasurements</source>
            <translation>Filtrovať merania</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Predchádzajúca strana</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Ďalšia strana</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Chyba</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeRenamed</source>
            <translation>Meranie sa nepodarilo premenovať.</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeDeleted</source>
            <translation>Meranie sa nepodarilo vymazať.</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Upozornenie</translation>
        </message>
        <message>
            <source>MeasurementDeletedFilesRemain</source>
            <translation>Meranie bolo odstránené zo zoznamu.
Niektoré jeho súbory sa vymažú pri uložení ďalšieho merania.</translation>
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
            <translation>Hlavné menu</translation>
        </message>
        <message>
            <source>Autoscale</source>
            <translation>Automatická mierka</translation>
        </message>
        <message>
            <source>DeleteLastLevel</source>
            <translation>Vymazať poslednú hladinu</translation>
        </message>
        <message>
            <source>AdditionalSettings</source>
            <translation>Ďalšie nastavenia</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Uložiť</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Nastaviť filter</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Zosilnenie mikrofónu</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Hlasitosť slúchadiel</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Späť</translation>
        </message>
        <message>
            <source>PlayAudioData</source>
            <translation>Prehrať zvukové dáta</translation>
        </message>
        <message>
            <source>StopPlaying</source>
            <translation>Zastaviť prehrávanie</translation>
        </message>
        <message>
            <source>PlayNextPosition</source>
            <translation>Prehrať ďalší bod</translation>
        </message>
        <message>
            <source>LOG</source>
            <translation>LOG</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Upozornenie</translation>
        </message>
        <message numerus="yes">
            <source>StoredWithoutTheSoundOfPoint</source>
            <translation>
                <numerusform>Uložené bez zvuku
bodu %1.</numerusform>
                <numerusform>Uložené bez zvuku
bodov %1.</numerusform>
                <numerusform>Uložené bez zvuku
bodov %1.</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>Pipelocating</name>
        <message>
            <source>Mainmenu</source>
            <translation>Hlavné menu</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Nastaviť filter</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Zosilnenie mikrofónu</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Hlasitosť slúchadiel</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Uložiť</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Späť</translation>
        </message>
    </context>
    <context>
        <name>PressureSensor</name>
        <message>
            <source>Mainmenu</source>
            <translation>Hlavné menu</translation>
        </message>
        <message>
            <source>SetReferenceLevel</source>
            <translation>Nastaviť referenčnú hladinu</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>Rozsah</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Hlasitosť slúchadiel</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Uložiť</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Späť</translation>
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
            <translation>PRIEM = %1 bar</translation>
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
            <translation>Berlín</translation>
        </message>
        <message>
            <source>Screenshot</source>
            <translation>Snímka obrazovky</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Histogram</translation>
        </message>
        <message>
            <source>LevelMeasurement</source>
            <translation>Meranie hladiny</translation>
        </message>
        <message>
            <source>LongtermMeasurement</source>
            <translation>Dlhodobé meranie</translation>
        </message>
        <message>
            <source>H2-Sensor</source>
            <translation>Snímač H2</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Hľadanie rúr</translation>
        </message>
        <message>
            <source>never</source>
            <translation>nikdy</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Predchádzajúca strana</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Hlavné menu</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Ďalšia strana</translation>
        </message>
        <message>
            <source>ModeMuteButton</source>
            <translation>Stlmenie</translation>
        </message>
        <message>
            <source>HearingProtection</source>
            <translation>Ochrana sluchu</translation>
        </message>
        <message>
            <source>Customize</source>
            <translation>Prispôsobiť</translation>
        </message>
        <message>
            <source>differentValues</source>
            <translation>rôzne hodnoty</translation>
        </message>
        <message>
            <source>PairedHeadphone</source>
            <translation>Spárované slúchadlá</translation>
        </message>
        <message>
            <source>PairedMicrophone</source>
            <translation>Spárovaný mikrofón</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation>Jas</translation>
        </message>
        <message>
            <source>PowerSaving</source>
            <translation>Úspora energie</translation>
        </message>
        <message>
            <source>FavouriteButton</source>
            <translation>Obľúbené tlačidlo</translation>
        </message>
        <message>
            <source>Systeminformation</source>
            <translation>Informácie o systéme</translation>
        </message>
        <message>
            <source>ResetToDeliverystate</source>
            <translation>Resetovať</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>Jazyk</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Čas</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Dátum</translation>
        </message>
        <message>
            <source>Timezone</source>
            <translation>Časové pásmo</translation>
        </message>
        <message>
            <source>DaylightSavingTime</source>
            <translation>Letný/zimný čas</translation>
        </message>
        <message>
            <source>Switch</source>
            <translation>Prepínač</translation>
        </message>
        <message>
            <source>PushButton</source>
            <translation>Tlačidlo</translation>
        </message>
        <message>
            <source>Active</source>
            <translation>Aktívna</translation>
        </message>
        <message>
            <source>Inactive</source>
            <translation>Neaktívna</translation>
        </message>
        <message>
            <source>low</source>
            <translation>nízky</translation>
        </message>
        <message>
            <source>medium</source>
            <translation>stredný</translation>
        </message>
        <message>
            <source>high</source>
            <translation>vysoký</translation>
        </message>
        <message>
            <source>Summertime</source>
            <translation>Letný čas</translation>
        </message>
        <message>
            <source>Wintertime</source>
            <translation>Zimný čas</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Chyba</translation>
        </message>
        <message>
            <source>SettingCouldNotBeStored</source>
            <translation>Nastavenie sa nepodarilo uložiť.</translation>
        </message>
    </context>
    <context>
        <name>MessageDialog</name>
        <message>
            <source>Yes</source>
            <translation>Áno</translation>
        </message>
        <message>
            <source>No</source>
            <translation>Nie</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Zrušiť</translation>
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
            <translation>Konfigurácia mikrofónu</translation>
        </message>
        <message>
            <source>SensorType</source>
            <translation>Typ snímača</translation>
        </message>
        <message>
            <source>Gain</source>
            <translation>Zosilnenie</translation>
        </message>
        <message>
            <source>BatteryState</source>
            <translation>Stav batérie</translation>
        </message>
        <message>
            <source>Firmwareversion</source>
            <translation>Verzia firmvéru</translation>
        </message>
        <message>
            <source>HardwareVersion</source>
            <translation>Verzia hardvéru</translation>
        </message>
        <message>
            <source>ButtonMode</source>
            <translation>Stlmenie</translation>
        </message>
        <message>
            <source>BluetoothName</source>
            <translation>Názov Bluetooth</translation>
        </message>
        <message>
            <source>BluetoothId</source>
            <translation>Bluetooth ID</translation>
        </message>
        <message>
            <source>Reload</source>
            <translation>Znovu načítať</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Hlavné menu</translation>
        </message>
        <message>
            <source>noSensor</source>
            <translation>žiadny snímač</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>neznámy</translation>
        </message>
    </context>
    <context>
        <name>Statusbardata</name>
        <message>
            <source>Warning</source>
            <translation>Upozornenie</translation>
        </message>
        <message>
            <source>TheBatteryIsVeryLowPleaseRecharge</source>
            <translation>Batéria je takmer vybitá. Nabite ju.</translation>
        </message>
        <message>
            <source>TheSensorCouldNotBeDetected</source>
            <translation>Snímač sa nepodarilo rozpoznať.</translation>
        </message>
        <message>
            <source>BatteryVoltageOfQJ5ToLow</source>
            <translation>Napätie batérie QJ-5 je veľmi nízke.
Nabite ju.</translation>
        </message>
        <message>
            <source>ProblemWithSensorTypeDetection</source>
            <translation>Typ snímača sa nepodarilo rozpoznať.
Upevnite snímač alebo vyčistite kontakty.</translation>
        </message>
    </context>
    <context>
        <name>BluetoothPairing</name>
        <message>
            <source>SearchBluetoothDevices</source>
            <translation>Hľadať zariadenia Bluetooth</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Zrušiť</translation>
        </message>
        <message>
            <source>FoundBluetoothDevices</source>
            <translation>Nájdené zariadenia Bluetooth</translation>
        </message>
        <message>
            <source>EnablePairingModeAndPressSearchButton</source>
            <translation>Zapnite režim párovania
a ťuknite na tlačidlo „Hľadať“.</translation>
        </message>
        <message>
            <source>Searching</source>
            <translation>Hľadá sa</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>neznámy</translation>
        </message>
        <message>
            <source>SelectDeviceForPairing</source>
            <translation>Vyberte zariadenie na spárovanie.</translation>
        </message>
        <message>
            <source>NoDevicesFoundTryAgain</source>
            <translation>Nenašli sa žiadne zariadenia.</translation>
        </message>
        <message>
            <source>PairingDevice</source>
            <translation>Párovanie zariadenia</translation>
        </message>
        <message>
            <source>PairingNotSuccessfulPleaseTryAgain</source>
            <translation>Párovanie zlyhalo. Skúste to znova.</translation>
        </message>
    </context>
    <context>
        <name>CustomizeDialogs</name>
        <message>
            <source>LevelMeasurement</source>
            <translation>Meranie hladiny</translation>
        </message>
        <message>
            <source>ShowPeakLevelBar</source>
            <translation>Zobraziť špičkovú hladinu</translation>
        </message>
        <message>
            <source>UseFrequencyColorForLevelBar</source>
            <translation>Farba stĺpca hladiny podľa frekvencie</translation>
        </message>
        <message>
            <source>ShowFrequencySpectrum</source>
            <translation>Zobraziť frekvenčné spektrum</translation>
        </message>
        <message>
            <source>ShowFrequencyValue</source>
            <translation>Zobraziť frekvenciu</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Histogram</translation>
        </message>
        <message>
            <source>ShowFilterParameter</source>
            <translation>Zobraziť parametre filtra</translation>
        </message>
        <message>
            <source>DynamicScaling</source>
            <translation>Dynamická mierka</translation>
        </message>
        <message>
            <source>LongtermMeasurement</source>
            <translation>Dlhodobé meranie</translation>
        </message>
        <message>
            <source>ShowGrid</source>
            <translation>Zobraziť mriežku</translation>
        </message>
        <message>
            <source>H2measurement</source>
            <translation>Meranie H2</translation>
        </message>
        <message>
            <source>ShowHistogram</source>
            <translation>Zobraziť histogram</translation>
        </message>
        <message>
            <source>ShowWorkingRange</source>
            <translation>Zobraziť pracovný rozsah</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Hľadanie rúr</translation>
        </message>
        <message>
            <source>PowerOn</source>
            <translation>Akcie pri zapnutí</translation>
        </message>
        <message>
            <source>StartWithFavourite</source>
            <translation>Štart s obľúbenou obrazovkou</translation>
        </message>
        <message>
            <source>StartWithFilter</source>
            <translation>Štart so zapnutými filtrami</translation>
        </message>
        <message>
            <source>StartWithGps</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Predchádzajúca strana</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Potvrdiť</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Zrušiť</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Ďalšia strana</translation>
        </message>
    </context>
    <context>
        <name>DateTimeAdjust</name>
        <message>
            <source>Day</source>
            <translation>Deň</translation>
        </message>
        <message>
            <source>Month</source>
            <translation>Mesiac</translation>
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
            <translation>Ručne</translation>
        </message>
        <message>
            <source>Hour</source>
            <translation>Hodina</translation>
        </message>
        <message>
            <source>Minute</source>
            <translation>Minúta</translation>
        </message>
        <message>
            <source>Second</source>
            <translation>Sekunda</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Potvrdiť</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Zrušiť</translation>
        </message>
        <message>
            <source>InvalidDate</source>
            <translation>Neplatný dátum</translation>
        </message>
        <message>
            <source>DateDoesNotExist</source>
            <translation>Tento dátum neexistuje. Opravte ho.</translation>
        </message>
    </context>
    <context>
        <name>Displaysettings</name>
        <message>
            <source>Accept</source>
            <translation>Potvrdiť</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Zrušiť</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation>Jas</translation>
        </message>
        <message>
            <source>high</source>
            <translation>vysoký</translation>
        </message>
        <message>
            <source>medium</source>
            <translation>stredný</translation>
        </message>
        <message>
            <source>low</source>
            <translation>nízky</translation>
        </message>
    </context>
    <context>
        <name>HearingProtection</name>
        <message>
            <source>Accept</source>
            <translation>Potvrdiť</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Zrušiť</translation>
        </message>
        <message>
            <source>HearingProtection</source>
            <translation>Ochrana sluchu</translation>
        </message>
        <message>
            <source>Active</source>
            <translation>Aktívna</translation>
        </message>
        <message>
            <source>Inactive</source>
            <translation>Neaktívna</translation>
        </message>
        <message>
            <source>DefaultHeadphoneVolume</source>
            <translation>Nastaviť hlasitosť slúchadiel</translation>
        </message>
        <message>
            <source>WarningRiskOfAcousticShock</source>
            <translation>Pozor! Riziko akustického šoku.</translation>
        </message>
        <message>
            <source>MaximumVolumeWillBeLimited</source>
            <translation>Maximálna hlasitosť bude obmedzená.</translation>
        </message>
    </context>
    <context>
        <name>PowerSaving</name>
        <message>
            <source>Accept</source>
            <translation>Potvrdiť</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Zrušiť</translation>
        </message>
        <message>
            <source>BacklightOff</source>
            <translation>Vypnúť podsvietenie</translation>
        </message>
        <message>
            <source>PowerOff</source>
            <translation>Vypnúť prístroj</translation>
        </message>
        <message>
            <source>never</source>
            <translation>nikdy</translation>
        </message>
    </context>
    <context>
        <name>ResetSettings</name>
        <message>
            <source>Back</source>
            <translation>Späť</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Upozornenie</translation>
        </message>
        <message>
            <source>ResetToDeliveryState</source>
            <translation>Obnovenie výrobných nastavení.
Všetky nastavenia (napr. jazyk,
spárované zariadenia Bluetooth) sa resetujú.
Uložené merania sa nevymažú.</translation>
        </message>
        <message>
            <source>Reset</source>
            <translation>Resetovať</translation>
        </message>
        <message>
            <source>DoYouReallyWantToResetAllSettings</source>
            <translation>Naozaj chcete resetovať všetky nastavenia?</translation>
        </message>
    </context>
    <context>
        <name>SelectFavouriteButton</name>
        <message>
            <source>Accept</source>
            <translation>Potvrdiť</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Zrušiť</translation>
        </message>
    </context>
    <context>
        <name>SelectSwitchmode</name>
        <message>
            <source>Accept</source>
            <translation>Potvrdiť</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Zrušiť</translation>
        </message>
        <message>
            <source>ModeOfMutingButton</source>
            <translation>Režim tlačidla stlmenia</translation>
        </message>
        <message>
            <source>Switch</source>
            <translation>Prepínač</translation>
        </message>
        <message>
            <source>PushButton</source>
            <translation>Tlačidlo</translation>
        </message>
    </context>
    <context>
        <name>SelectTimezone</name>
        <message>
            <source>DaylightSavingTime</source>
            <translation>Letný/zimný čas</translation>
        </message>
        <message>
            <source>Summertime</source>
            <translation>Letný čas</translation>
        </message>
        <message>
            <source>Wintertime</source>
            <translation>Zimný čas</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Potvrdiť</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Zrušiť</translation>
        </message>
        <message>
            <source>MidwayIslands</source>
            <translation>Midwayské ostrovy</translation>
        </message>
        <message>
            <source>Hawaii</source>
            <translation>Havaj</translation>
        </message>
        <message>
            <source>Alaska</source>
            <translation>Aljaška</translation>
        </message>
        <message>
            <source>Pacific</source>
            <translation>Pacifik</translation>
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
            <translation>Newfoundland</translation>
        </message>
        <message>
            <source>Greenland</source>
            <translation>Grónsko</translation>
        </message>
        <message>
            <source>MiddleAtlantic</source>
            <translation>Stredný Atlantik</translation>
        </message>
        <message>
            <source>Azores</source>
            <translation>Azory</translation>
        </message>
        <message>
            <source>London</source>
            <translation>Londýn</translation>
        </message>
        <message>
            <source>Berlin</source>
            <translation>Berlín</translation>
        </message>
        <message>
            <source>Cairo</source>
            <translation>Káhira</translation>
        </message>
        <message>
            <source>Moscow</source>
            <translation>Moskva</translation>
        </message>
        <message>
            <source>Teheran</source>
            <translation>Teherán</translation>
        </message>
        <message>
            <source>AbuDhabi</source>
            <translation>Abú Zabí</translation>
        </message>
        <message>
            <source>Kabul</source>
            <translation>Kábul</translation>
        </message>
        <message>
            <source>Islamabad</source>
            <translation>Islamabad</translation>
        </message>
        <message>
            <source>NewDelhi</source>
            <translation>Naí Dillí</translation>
        </message>
        <message>
            <source>Katmandu</source>
            <translation>Káthmandu</translation>
        </message>
        <message>
            <source>Nowosibirsk</source>
            <translation>Novosibirsk</translation>
        </message>
        <message>
            <source>Yangon</source>
            <translation>Rangún</translation>
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
            <translation>Fidži</translation>
        </message>
    </context>
    <context>
        <name>Systeminformation</name>
        <message>
            <source>Systeminformation</source>
            <translation>Informácie o systéme</translation>
        </message>
        <message>
            <source>Firmwareversion</source>
            <translation>Verzia firmvéru</translation>
        </message>
        <message>
            <source>Serialnumber</source>
            <translation>Sériové číslo</translation>
        </message>
        <message>
            <source>BluetoothIdTx</source>
            <translation>Bluetooth ID TX</translation>
        </message>
        <message>
            <source>BluetoothIdRx</source>
            <translation>Bluetooth ID RX</translation>
        </message>
        <message>
            <source>Hardwareversion</source>
            <translation>Verzia hardvéru</translation>
        </message>
        <message>
            <source>OperatingSystem</source>
            <translation>Operačný systém</translation>
        </message>
        <message>
            <source>Battery</source>
            <translation>Batéria</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Späť</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>neznámy</translation>
        </message>
    </context>
    <context>
        <name>BackupDialog</name>
        <message>
            <source>ConnectTheTKR9400ToYourPC</source>
            <translation>Pripojte TKR 9400 k PC
a ťuknite na tlačidlo „Pripojiť“.</translation>
        </message>
        <message>
            <source>Connect</source>
            <translation>Pripojiť</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <translation>Odpojiť</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Zrušiť</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Upozornenie</translation>
        </message>
        <message>
            <source>DataMemoryNotMounted</source>
            <translation>Pamäť dát sa nepodarilo pripojiť.
Reštartujte prístroj.</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Chyba</translation>
        </message>
        <message>
            <source>DataTransferNotPossible</source>
            <translation>Pamäť dát sa práve používa.
Skúste to znova.</translation>
        </message>
    </context>
    <context>
        <name>Measurements</name>
        <message>
            <source>Error</source>
            <translation>Chyba</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Upozornenie</translation>
        </message>
        <message>
            <source>NoMoreMeasurementsCanBeStored</source>
            <translation>Dosiahnutý maximálny počet meraní.
Meranie sa neuloží.
Vymažte staré merania.</translation>
        </message>
        <message>
            <source>OnlyAfewMeasurementsCanBeStored</source>
            <translation>Počet meraní sa blíži k limitu.
Vymažte staré merania.</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeStored</source>
            <translation>Meranie sa nepodarilo uložiť.</translation>
        </message>
    </context>
    <context>
        <name>MeasuringPage</name>
        <message>
            <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
            <translation>Na toto meranie musíte
pripojiť akustický snímač.</translation>
        </message>
        <message>
            <source>Note</source>
            <translation>Poznámka</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Upozornenie</translation>
        </message>
        <message>
            <source>NoBluetoothConnectionPleaseCheckYourQJ5</source>
            <translation>Žiadne spojenie Bluetooth.
Skontrolujte QJ-5.</translation>
        </message>
    </context>
    <context>
        <name>Filtersettings</name>
        <message>
            <source>Accept</source>
            <translation>Potvrdiť</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Zosilnenie mikrofónu</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Hlasitosť slúchadiel</translation>
        </message>
        <message>
            <source>AutomaticFilterSetting</source>
            <translation>Automatické nastavenie filtra</translation>
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
            <translation>Potvrdiť</translation>
        </message>
        <message>
            <source>WarningRiskOfAcousticShock</source>
            <translation>Pozor! Riziko akustického šoku.</translation>
        </message>
        <message>
            <source>WarningHighVolumesCanLeadToHearingDamage</source>
            <translation>Pozor!
Vysoká hlasitosť môže poškodiť sluch.</translation>
        </message>
    </context>
    <context>
        <name>Micsettings</name>
        <message>
            <source>Accept</source>
            <translation>Potvrdiť</translation>
        </message>
    </context>
    <context>
        <name>Firmwareupdate</name>
        <message>
            <source>ConnectTheTKR9400ToYourPC</source>
            <translation>Pripojte TKR 9400 k PC
a ťuknite na tlačidlo „Pripojiť“.</translation>
        </message>
        <message>
            <source>Connect</source>
            <translation>Pripojiť</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <translation>Odpojiť</translation>
        </message>
        <message>
            <source>UpdateDevice</source>
            <translation>Aktualizovať firmvér</translation>
        </message>
        <message>
            <source>CurrentFirmware</source>
            <translation>Aktuálny firmvér</translation>
        </message>
        <message>
            <source>NewFirmware</source>
            <translation>Nový firmvér</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Potvrdiť</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Zrušiť</translation>
        </message>
        <message>
            <source>TransmittingFirmware</source>
            <translation>Prenos firmvéru</translation>
        </message>
        <message>
            <source>Status</source>
            <translation>Stav</translation>
        </message>
        <message>
            <source>UpdatingDevice</source>
            <translation>Aktualizácia prístroja</translation>
        </message>
        <message>
            <source>PleaseWaitForReboot</source>
            <translation>Počkajte na reštart.</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>ConnectTheTKR9400ToYourPCAndPressTheButtonConnect</source>
            <translation>Pripojte TKR 9400 k PC
a ťuknite na tlačidlo „Pripojiť“.</translation>
        </message>
        <message>
            <source>DataTransferNotPossible</source>
            <translation>Pamäť dát sa práve používa.
Skúste to znova.</translation>
        </message>
        <message>
            <source>PleaseCopyTheFirmwarefilesPressTheButtonDisconnectIfAllFilesAreCopied</source>
            <translation>Skopírujte súbory firmvéru.
Po skopírovaní všetkých súborov
ťuknite na tlačidlo „Odpojiť“.</translation>
        </message>
        <message>
            <source>DataMemoryNotMounted</source>
            <translation>Pamäť dát sa nepodarilo pripojiť.
Reštartujte prístroj.</translation>
        </message>
        <message>
            <source>UpdateTKR9400</source>
            <translation>Aktualizovať TKR 9400</translation>
        </message>
        <message>
            <source>UpdateQJ-5</source>
            <translation>Aktualizovať QJ-5</translation>
        </message>
        <message>
            <source>CouldNotReadFirmwarefile</source>
            <translation>Súbor firmvéru sa nepodarilo načítať.
Skúste to znova.</translation>
        </message>
        <message>
            <source>UpdatingTKR9400</source>
            <translation>Aktualizácia TKR 9400</translation>
        </message>
        <message>
            <source>CopyingFilesPleaseWait</source>
            <translation>Kopírujú sa súbory, čakajte ...</translation>
        </message>
        <message>
            <source>CouldNotCopyFirmwarefile</source>
            <translation>Súbor firmvéru sa nepodarilo skopírovať.
Skúste to znova.</translation>
        </message>
        <message>
            <source>FirmwareupdateQJ-5</source>
            <translation>Aktualizácia firmvéru QJ-5</translation>
        </message>
        <message>
            <source>FirmwareupdateSuccessfullyFinished.</source>
            <translation>Aktualizácia firmvéru úspešne dokončená.</translation>
        </message>
        <message>
            <source>FirmwareupdateTKR9400</source>
            <translation>Aktualizácia firmvéru TKR 9400</translation>
        </message>
        <message>
            <source>AllFilesCopiedPleaseWaitForReboot</source>
            <translation>Všetky súbory sú skopírované.
Počkajte na reštart ...</translation>
        </message>
        <message>
            <source>FirmwareupdateCancelled</source>
            <translation>Aktualizácia firmvéru zrušená.</translation>
        </message>
        <message>
            <source>TransmittingFirmwarePleaseWait</source>
            <translation>Prenáša sa firmvér. Čakajte ...</translation>
        </message>
        <message>
            <source>ErrorDuringFirmwareUpdatePleaseTryAgain</source>
            <translation>Chyba pri aktualizácii firmvéru.
Skúste to znova.</translation>
        </message>
        <message>
            <source>FirmwareSuccessfulTransmittedPleaseWaitForRestart</source>
            <translation>Firmvér bol úspešne prenesený.
Nevypínajte QJ-5.
Počkajte na reštart.</translation>
        </message>
        <message>
            <source>FirmwareupdateSuccessful</source>
            <translation>Aktualizácia firmvéru úspešná.</translation>
        </message>
        <message>
            <source>ErrorDuringUpdatePleaseTryAgainNoAnswerReceivedFromBluetoothDevice</source>
            <translation>Chyba pri aktualizácii. Skúste to znova.
Zariadenie Bluetooth neodpovedá.</translation>
        </message>
    </context>
    <context>
        <name>TestMenu</name>
        <message>
            <source>PreviousPage</source>
            <translation>Predchádzajúca strana</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Hlavné menu</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Ďalšia strana</translation>
        </message>
    </context>
    <context>
        <name>TestMenuAudioLoopback</name>
        <message>
            <source>Back</source>
            <translation>Späť</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Vyhovuje</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Nevyhovuje</translation>
        </message>
    </context>
    <context>
        <name>TestMenuFlashUpdate</name>
        <message>
            <source>Back</source>
            <translation>Späť</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Vyhovuje</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Nevyhovuje</translation>
        </message>
    </context>
    <context>
        <name>TestmenuAudio</name>
        <message>
            <source>Back</source>
            <translation>Späť</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Vyhovuje</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Nevyhovuje</translation>
        </message>
    </context>
    <context>
        <name>TestmenuBattery</name>
        <message>
            <source>Back</source>
            <translation>Späť</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Vyhovuje</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Nevyhovuje</translation>
        </message>
    </context>
    <context>
        <name>TestmenuDisplay</name>
        <message>
            <source>Back</source>
            <translation>Späť</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Vyhovuje</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Nevyhovuje</translation>
        </message>
    </context>
    <context>
        <name>TestmenuGps</name>
        <message>
            <source>Back</source>
            <translation>Späť</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Vyhovuje</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Nevyhovuje</translation>
        </message>
    </context>
    <context>
        <name>TestmenuInitBluetooth</name>
        <message>
            <source>Back</source>
            <translation>Späť</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Vyhovuje</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Nevyhovuje</translation>
        </message>
    </context>
    <context>
        <name>TestmenuKeyboard</name>
        <message>
            <source>Back</source>
            <translation>Späť</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Vyhovuje</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Nevyhovuje</translation>
        </message>
    </context>
    <context>
        <name>TestmenuLed</name>
        <message>
            <source>Back</source>
            <translation>Späť</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Vyhovuje</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Nevyhovuje</translation>
        </message>
    </context>
    <context>
        <name>TestmenuRemoteCtrl</name>
        <message>
            <source>Back</source>
            <translation>Späť</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSdcard</name>
        <message>
            <source>Back</source>
            <translation>Späť</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Vyhovuje</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Nevyhovuje</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSelftest</name>
        <message>
            <source>Back</source>
            <translation>Späť</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Vyhovuje</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Nevyhovuje</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSensordetection</name>
        <message>
            <source>Back</source>
            <translation>Späť</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Vyhovuje</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Nevyhovuje</translation>
        </message>
    </context>
    <context>
        <name>TestmenuUartUsbSwitch</name>
        <message>
            <source>Back</source>
            <translation>Späť</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Vyhovuje</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Nevyhovuje</translation>
        </message>
    </context>
    <context>
        <name>TestmenuUsb</name>
        <message>
            <source>Back</source>
            <translation>Späť</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Vyhovuje</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Nevyhovuje</translation>
        </message>
    </context>
    <context>
        <name>MeasManagementEdit</name>
        <message>
            <source>ChangeName</source>
            <translation>Zmeniť názov</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Potvrdiť</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Zrušiť</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Vymazať</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Histogram</translation>
        </message>
        <message>
            <source>Levelmeasurement</source>
            <translation>Meranie hladiny</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Hľadanie rúr</translation>
        </message>
        <message>
            <source>H2-Measurement</source>
            <translation>Meranie H2</translation>
        </message>
        <message>
            <source>Longtermmeasurement</source>
            <translation>Dlhodobé meranie</translation>
        </message>
    </context>
    <context>
        <name>AudioWorker</name>
        <message>
            <source>StoringTheSoundPleaseWait</source>
            <translation>Ukladá sa zvuk.
Čakajte, prosím ...</translation>
        </message>
    </context>
</TS>
