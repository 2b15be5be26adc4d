<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
    <context>
        <name>GpsMonitor</name>
        <message>
            <source>GPS</source>
            <translation type="unfinished">GPS</translation>
        </message>
        <message>
            <source>GpsInformation</source>
            <translation type="unfinished">GPS information</translation>
        </message>
        <message>
            <source>Time</source>
            <translation type="unfinished">Time</translation>
        </message>
        <message>
            <source>Date</source>
            <translation type="unfinished">Date</translation>
        </message>
        <message>
            <source>Latitude</source>
            <translation type="unfinished">Latitude</translation>
        </message>
        <message>
            <source>Longitude</source>
            <translation type="unfinished">Longitude</translation>
        </message>
        <message>
            <source>Quality</source>
            <translation type="unfinished">Quality</translation>
        </message>
        <message>
            <source>DistanceMeasurement</source>
            <translation type="unfinished">Distance measurement</translation>
        </message>
        <message>
            <source>ReferencePosition</source>
            <translation type="unfinished">Reference position</translation>
        </message>
        <message>
            <source>CurrentPosition</source>
            <translation type="unfinished">Current position</translation>
        </message>
        <message>
            <source>Distance</source>
            <translation type="unfinished">Distance</translation>
        </message>
        <message>
            <source>SatelliteInformation</source>
            <translation type="unfinished">Satellite information</translation>
        </message>
        <message>
            <source>Satellites</source>
            <translation type="unfinished">Satellites</translation>
        </message>
        <message>
            <source>Direction</source>
            <translation type="unfinished">Direction</translation>
        </message>
        <message>
            <source>Height</source>
            <translation type="unfinished">Height</translation>
        </message>
        <message>
            <source>Groundspeed</source>
            <translation type="unfinished">Groundspeed</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation type="unfinished">Main menu</translation>
        </message>
        <message>
            <source>SatelliteInfo</source>
            <translation type="unfinished">Satellite information</translation>
        </message>
        <message>
            <source>SwitchGpsFormat</source>
            <translation type="unfinished">Switch coordinate format</translation>
        </message>
        <message>
            <source>DisplayNmeaData</source>
            <translation type="unfinished">Show NMEA data</translation>
        </message>
        <message>
            <source>DisplayGpsPosition</source>
            <translation type="unfinished">Show GPS position</translation>
        </message>
        <message>
            <source>SetReferencePosition</source>
            <translation type="unfinished">Set reference position</translation>
        </message>
        <message>
            <source>StartMonitoring</source>
            <translation type="unfinished">Start monitoring</translation>
        </message>
        <message>
            <source>StopMonitoring</source>
            <translation type="unfinished">Stop monitoring and set the clock</translation>
        </message>
        <message>
            <source>DeleteData</source>
            <translation type="unfinished">Delete data</translation>
        </message>
    </context>
    <context>
        <name>H2Sensor</name>
        <message>
            <source>H2Sensor</source>
            <translation type="unfinished">H2 sensor</translation>
        </message>
        <message>
            <source>YouMustConnectAH2-SensorToUseThisMeasurement</source>
            <translation type="unfinished">You must connect a H2-Sensor
to use this measurement.</translation>
        </message>
        <message>
            <source>SetReferenceLevel</source>
            <translation type="unfinished">Set reference level</translation>
        </message>
        <message>
            <source>Range</source>
            <translation type="unfinished">Range</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation type="unfinished">Headphone volume</translation>
        </message>
        <message>
            <source>Store</source>
            <translation type="unfinished">Store</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation type="unfinished">Main menu</translation>
        </message>
        <message>
            <source>Back</source>
            <translation type="unfinished">Back</translation>
        </message>
    </context>
    <context>
        <name>LanguageSelect</name>
        <message>
            <source>German</source>
            <translation type="unfinished">German</translation>
        </message>
        <message>
            <source>French</source>
            <translation type="unfinished">French</translation>
        </message>
        <message>
            <source>Italian</source>
            <translation type="unfinished">Italian</translation>
        </message>
        <message>
            <source>Spanish</source>
            <translation type="unfinished">Spanish</translation>
        </message>
        <message>
            <source>Chinese</source>
            <translation type="unfinished">Chinese</translation>
        </message>
        <message>
            <source>Czech</source>
            <translation type="unfinished">Czech</translation>
        </message>
        <message>
            <source>Hungarian</source>
            <translation type="unfinished">Hungarian</translation>
        </message>
        <message>
            <source>Russian</source>
            <translation type="unfinished">Russian</translation>
        </message>
        <message>
            <source>Slovenian</source>
            <translation type="unfinished">Slovenian</translation>
        </message>
        <message>
            <source>Japanese</source>
            <translation type="unfinished">Japanese</translation>
        </message>
        <message>
            <source>Polish</source>
            <translation type="unfinished">Polish</translation>
        </message>
        <message>
            <source>Portuguese</source>
            <translation type="unfinished">Portuguese</translation>
        </message>
        <message>
            <source>Romanian</source>
            <translation type="unfinished">Romanian</translation>
        </message>
        <message>
            <source>Slovakian</source>
            <translation type="unfinished">Slovak</translation>
        </message>
        <message>
            <source>Swedish</source>
            <translation type="unfinished">Swedish</translation>
        </message>
        <message>
            <source>Suomi</source>
            <translation type="unfinished">Suomi</translation>
        </message>
        <message>
            <source>Danish</source>
            <translation type="unfinished">Danish</translation>
        </message>
        <message>
            <source>Norwegian</source>
            <translation type="unfinished">Norwegian</translation>
        </message>
        <message>
            <source>Bulgarian</source>
            <translation type="unfinished">Bulgarian</translation>
        </message>
        <message>
            <source>Croatian</source>
            <translation type="unfinished">Croatian</translation>
        </message>
        <message>
            <source>Korean</source>
            <translation type="unfinished">Korean</translation>
        </message>
        <message>
            <source>Serbian</source>
            <translation type="unfinished">Serbian</translation>
        </message>
        <message>
            <source>Turkish</source>
            <translation type="unfinished">Turkish</translation>
        </message>
        <message>
            <source>English</source>
            <translation type="unfinished">English</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation type="unfinished">Previous page</translation>
        </message>
        <message>
            <source>Back</source>
            <translation type="unfinished">Back</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation type="unfinished">Next page</translation>
        </message>
    </context>
    <context>
        <name>Levelmeasurement</name>
        <message>
            <source>Level</source>
            <translation type="unfinished">Level</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation type="unfinished">Adjust filter</translation>
        </message>
        <message>
            <source>Store</source>
            <translation type="unfinished">Store</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation type="unfinished">Headphone volume</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation type="unfinished">Microphone gain</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation type="unfinished">Main menu</translation>
        </message>
        <message>
            <source>PlayRecordedSound</source>
            <translation type="unfinished">Play recorded sound</translation>
        </message>
        <message>
            <source>StopPlaying</source>
            <translation type="unfinished">Stop playing</translation>
        </message>
        <message>
            <source>Back</source>
            <translation type="unfinished">Back</translation>
        </message>
        <message>
            <source>HeadphoneGain</source>
            <translation type="unfinished">Headphone gain</translation>
        </message>
    </context>
    <context>
        <name>Longtermmeasurement</name>
        <message>
            <source>Longterm</source>
            <translation type="unfinished">Long-term</translation>
        </message>
        <message>
            <source>Store</source>
            <translation type="unfinished">Store</translation>
        </message>
        <message>
            <source>AnalysisTime</source>
            <translation type="unfinished">Analysis time</translation>
        </message>
        <message>
            <source>Autoscale</source>
            <translation type="unfinished">Autoscale</translation>
        </message>
        <message>
            <source>AdditionalSettings</source>
            <translation type="unfinished">Additional settings</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation type="unfinished">Main menu</translation>
        </message>
        <message>
            <source>Back</source>
            <translation type="unfinished">Back</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation type="unfinished">Microphone gain</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation type="unfinished">Headphone volume</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation type="unfinished">Adjust filter</translation>
        </message>
        <message>
            <source>10 min</source>
            <translation type="unfinished">10 min</translation>
        </message>
        <message>
            <source>30 min</source>
            <translation type="unfinished">30 min</translation>
        </message>
        <message>
            <source>3 min</source>
            <translation type="unfinished">3 min</translation>
        </message>
    </context>
    <context>
        <name>MainMenu</name>
        <message>
            <source>Histogram</source>
            <translation type="unfinished">Histogram</translation>
        </message>
        <message>
            <source>H2Sensor</source>
            <translation type="unfinished">H2 Sensor</translation>
        </message>
        <message>
            <source>Level</source>
            <translation type="unfinished">Level</translation>
        </message>
        <message>
            <source>Management</source>
            <translation type="unfinished">Management</translation>
        </message>
        <message>
            <source>Longterm</source>
            <translation type="unfinished">Long-term</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation type="unfinished">Pipe locating</translation>
        </message>
    </context>
    <context>
        <name>Management</name>
        <message>
            <source>Management</source>
            <translation type="unfinished">Management</translation>
        </message>
        <message>
            <source>Measurements</source>
            <translation type="unfinished">Measurements</translation>
        </message>
        <message>
            <source>QJ-5</source>
            <translation type="unfinished">QJ-5</translation>
        </message>
        <message>
            <source>Update</source>
            <translation type="unfinished">Update</translation>
        </message>
        <message>
            <source>GPS</source>
            <translation type="unfinished">GPS</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation type="unfinished">Settings</translation>
        </message>
    </context>
    <context>
        <name>MeasManagement</name>
        <message>
            <source>Measurements</source>
            <translation type="unfinished">Measurements</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation type="unfinished">Mainmenu</translation>
        </message>
        <message>
            <source>EditMeasurement</source>
            <translation type="unfinished">Edit measurement</translation>
        </message>
        <message>
            <source>FilterMeasurements</source>
            <translation type="unfinished">Filter measurements</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation type="unfinished">Previous page</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation type="unfinished">Next page</translation>
        </message>
        <message>
            <source>Error</source>
            <translation type="unfinished">Error</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeRenamed</source>
            <translation type="unfinished">The measurement could not be renamed.</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeDeleted</source>
            <translation type="unfinished">The measurement could not be deleted.</translation>
        </message>
    </context>
    <context>
        <name>Pinpointing</name>
        <message>
            <source>Histogram</source>
            <translation type="unfinished">Histogram</translation>
        </message>
        <message>
            <source>LIN</source>
            <translation type="unfinished">LIN</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation type="unfinished">Main menu</translation>
        </message>
        <message>
            <source>Autoscale</source>
            <translation type="unfinished">Autoscale</translation>
        </message>
        <message>
            <source>DeleteLastLevel</source>
            <translation type="unfinished">Delete last level</translation>
        </message>
        <message>
            <source>AdditionalSettings</source>
            <translation type="unfinished">Additional settings</translation>
        </message>
        <message>
            <source>Store</source>
            <translation type="unfinished">Store</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation type="unfinished">Adjust filter</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation type="unfinished">Microphone gain</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation type="unfinished">Headphone volume</translation>
        </message>
        <message>
            <source>Back</source>
            <translation type="unfinished">Back</translation>
        </message>
        <message>
            <source>PlayAudioData</source>
            <translation type="unfinished">Play audio data</translation>
        </message>
        <message>
            <source>StopPlaying</source>
            <translation type="unfinished">Stop playing</translation>
        </message>
        <message>
            <source>PlayNextPosition</source>
            <translation type="unfinished">Play next position</translation>
        </message>
        <message>
            <source>LOG</source>
            <translation type="unfinished">LOG</translation>
        </message>
    </context>
    <context>
        <name>Pipelocating</name>
        <message>
            <source>Pipelocating</source>
            <translation type="unfinished">Pipe locating</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation type="unfinished">Main menu</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation type="unfinished">Adjust filter</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation type="unfinished">Microphone gain</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation type="unfinished">Headphone volume</translation>
        </message>
        <message>
            <source>Store</source>
            <translation type="unfinished">Store</translation>
        </message>
        <message>
            <source>Back</source>
            <translation type="unfinished">Back</translation>
        </message>
    </context>
    <context>
        <name>PressureSensor</name>
        <message>
            <source>Pressure</source>
            <translation type="unfinished">Pressure</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation type="unfinished">Mainmenu</translation>
        </message>
        <message>
            <source>SetReferenceLevel</source>
            <translation type="unfinished">Set reference level</translation>
        </message>
        <message>
            <source>Range</source>
            <translation type="unfinished">Range</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation type="unfinished">Headphone volume</translation>
        </message>
        <message>
            <source>Store</source>
            <translation type="unfinished">Store</translation>
        </message>
        <message>
            <source>Back</source>
            <translation type="unfinished">Back</translation>
        </message>
        <message>
            <source>%1 bar</source>
            <translation type="unfinished">%1 bar</translation>
        </message>
        <message>
            <source>MAX = %1 bar</source>
            <translation type="unfinished">MAX = %1 bar</translation>
        </message>
        <message>
            <source>MIN = %1 bar</source>
            <translation type="unfinished">MIN = %1 bar</translation>
        </message>
        <message>
            <source>AVG = %1 bar</source>
            <translation type="unfinished">AVG = %1 bar</translation>
        </message>
        <message>
            <source>DEV = %1 bar</source>
            <translation type="unfinished">DEV = %1 bar</translation>
        </message>
        <message>
            <source>ACT = %1 bar</source>
            <translation type="unfinished">ACT = %1 bar</translation>
        </message>
    </context>
    <context>
        <name>Systemsettings</name>
        <message>
            <source>Settings</source>
            <translation type="unfinished">Settings</translation>
        </message>
        <message>
            <source>Berlin</source>
            <translation type="unfinished">Berlin</translation>
        </message>
        <message>
            <source>Screenshot</source>
            <translation type="unfinished">Screenshot</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation type="unfinished">Histogram</translation>
        </message>
        <message>
            <source>LevelMeasurement</source>
            <translation type="unfinished">Level measurement</translation>
        </message>
        <message>
            <source>LongtermMeasurement</source>
            <translation type="unfinished">Long-term measurement</translation>
        </message>
        <message>
            <source>H2-Sensor</source>
            <translation type="unfinished">H2 sensor</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation type="unfinished">Pipe locating</translation>
        </message>
        <message>
            <source>never</source>
            <translation type="unfinished">never</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation type="unfinished">Previous page</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation type="unfinished">Main menu</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation type="unfinished">Next page</translation>
        </message>
        <message>
            <source>ModeMuteButton</source>
            <translation type="unfinished">Muting</translation>
        </message>
        <message>
            <source>HearingProtection</source>
            <translation type="unfinished">Hearing protection</translation>
        </message>
        <message>
            <source>Customize</source>
            <translation type="unfinished">Customize</translation>
        </message>
        <message>
            <source>differentValues</source>
            <translation type="unfinished">different values</translation>
        </message>
        <message>
            <source>PairedHeadphone</source>
            <translation type="unfinished">Paired headphone</translation>
        </message>
        <message>
            <source>PairedMicrophone</source>
            <translation type="unfinished">Paired microphone</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation type="unfinished">Brightness</translation>
        </message>
        <message>
            <source>PowerSaving</source>
            <translation type="unfinished">Power saving</translation>
        </message>
        <message>
            <source>FavouriteButton</source>
            <translation type="unfinished">Favourite button</translation>
        </message>
        <message>
            <source>Systeminformation</source>
            <translation type="unfinished">System information</translation>
        </message>
        <message>
            <source>ResetToDeliverystate</source>
            <translation type="unfinished">Reset</translation>
        </message>
        <message>
            <source>Language</source>
            <translation type="unfinished">Language</translation>
        </message>
        <message>
            <source>Time</source>
            <translation type="unfinished">Time</translation>
        </message>
        <message>
            <source>Date</source>
            <translation type="unfinished">Date</translation>
        </message>
        <message>
            <source>Timezone</source>
            <translation type="unfinished">Time zone</translation>
        </message>
        <message>
            <source>DaylightSavingTime</source>
            <translation type="unfinished">Daylight saving time</translation>
        </message>
        <message>
            <source>Switch</source>
            <translation type="unfinished">Switch</translation>
        </message>
        <message>
            <source>PushButton</source>
            <translation type="unfinished">Pushbutton</translation>
        </message>
        <message>
            <source>Active</source>
            <translation type="unfinished">Active</translation>
        </message>
        <message>
            <source>Inactive</source>
            <translation type="unfinished">Inactive</translation>
        </message>
        <message>
            <source>low</source>
            <translation type="unfinished">low</translation>
        </message>
        <message>
            <source>medium</source>
            <translation type="unfinished">medium</translation>
        </message>
        <message>
            <source>high</source>
            <translation type="unfinished">high</translation>
        </message>
        <message>
            <source>Summertime</source>
            <translation type="unfinished">Summer time</translation>
        </message>
        <message>
            <source>Wintertime</source>
            <translation type="unfinished">Winter time</translation>
        </message>
    </context>
    <context>
        <name>MessageDialog</name>
        <message>
            <source>Yes</source>
            <translation type="unfinished">Yes</translation>
        </message>
        <message>
            <source>No</source>
            <translation type="unfinished">No</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation type="unfinished">Cancel</translation>
        </message>
        <message>
            <source>OK</source>
            <translation type="unfinished">OK</translation>
        </message>
    </context>
    <context>
        <name>VirtualKeyboard</name>
        <message>
            <source>Accept</source>
            <translation type="unfinished">Accept</translation>
        </message>
        <message>
            <source>Close</source>
            <translation type="unfinished">Close</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation type="unfinished">Delete</translation>
        </message>
        <message>
            <source>Enter</source>
            <translation type="unfinished">Enter</translation>
        </message>
        <message>
            <source>Space</source>
            <translation type="unfinished">Space</translation>
        </message>
        <message>
            <source>Shift</source>
            <translation type="unfinished">Shift</translation>
        </message>
    </context>
    <context>
        <name>Configuration</name>
        <message>
            <source>MicrophoneConfiguration</source>
            <translation type="unfinished">Microphone configuration</translation>
        </message>
        <message>
            <source>SensorType</source>
            <translation type="unfinished">Sensor type</translation>
        </message>
        <message>
            <source>Gain</source>
            <translation type="unfinished">Gain</translation>
        </message>
        <message>
            <source>BatteryState</source>
            <translation type="unfinished">Battery state</translation>
        </message>
        <message>
            <source>Firmwareversion</source>
            <translation type="unfinished">Firmware version</translation>
        </message>
        <message>
            <source>HardwareVersion</source>
            <translation type="unfinished">Hardware version</translation>
        </message>
        <message>
            <source>ButtonMode</source>
            <translation type="unfinished">Muting</translation>
        </message>
        <message>
            <source>BluetoothName</source>
            <translation type="unfinished">Bluetooth name</translation>
        </message>
        <message>
            <source>BluetoothId</source>
            <translation type="unfinished">Bluetooth ID</translation>
        </message>
        <message>
            <source>Reload</source>
            <translation type="unfinished">Reload</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation type="unfinished">Main menu</translation>
        </message>
        <message>
            <source>noSensor</source>
            <translation type="unfinished">no sensor</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation type="unfinished">unknown</translation>
        </message>
    </context>
    <context>
        <name>Statusbardata</name>
        <message>
            <source>Warning</source>
            <translation type="unfinished">Warning</translation>
        </message>
        <message>
            <source>TheBatteryIsVeryLowPleaseRecharge</source>
            <translation type="unfinished">The battery is very low. Please recharge.</translation>
        </message>
        <message>
            <source>TheSensorCouldNotBeDetected</source>
            <translation type="unfinished">The sensor could not be detected.</translation>
        </message>
        <message>
            <source>BatteryVoltageOfQJ5ToLow</source>
            <translation type="unfinished">Battery voltage of QJ-5 is very low.
Please recharge.</translation>
        </message>
        <message>
            <source>ProblemWithSensorTypeDetection</source>
            <translation type="unfinished">Type of sensor could not be detected.
Please fix sensor or clean contacts.</translation>
        </message>
    </context>
    <context>
        <name>BluetoothPairing</name>
        <message>
            <source>BluetoothPairing</source>
            <translation type="unfinished">Bluetooth pairing</translation>
        </message>
        <message>
            <source>SearchBluetoothDevices</source>
            <translation type="unfinished">Search Bluetooth devices</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation type="unfinished">Cancel</translation>
        </message>
        <message>
            <source>FoundBluetoothDevices</source>
            <translation type="unfinished">Found Bluetooth devices</translation>
        </message>
        <message>
            <source>EnablePairingModeAndPressSearchButton</source>
            <translation type="unfinished">Enable pairing mode
and press Search-Button.</translation>
        </message>
        <message>
            <source>Searching</source>
            <translation type="unfinished">Searching</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation type="unfinished">unknown</translation>
        </message>
        <message>
            <source>SelectDeviceForPairing</source>
            <translation type="unfinished">Select device for pairing.</translation>
        </message>
        <message>
            <source>NoDevicesFoundTryAgain</source>
            <translation type="unfinished">No devices found.</translation>
        </message>
        <message>
            <source>PairingDevice</source>
            <translation type="unfinished">Pairing device</translation>
        </message>
        <message>
            <source>PairingNotSuccessfulPleaseTryAgain</source>
            <translation type="unfinished">Pairing not successful. Please try again.</translation>
        </message>
    </context>
    <context>
        <name>CustomizeDialogs</name>
        <message>
            <source>LevelMeasurement</source>
            <translation type="unfinished">Level measurement</translation>
        </message>
        <message>
            <source>ShowPeakLevelBar</source>
            <translation type="unfinished">Show peak level</translation>
        </message>
        <message>
            <source>UseFrequencyColorForLevelBar</source>
            <translation type="unfinished">Use frequency color for level bar</translation>
        </message>
        <message>
            <source>ShowFrequencySpectrum</source>
            <translation type="unfinished">Show frequency spectrum</translation>
        </message>
        <message>
            <source>ShowFrequencyValue</source>
            <translation type="unfinished">Show frequency value</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation type="unfinished">Histogram</translation>
        </message>
        <message>
            <source>ShowFilterParameter</source>
            <translation type="unfinished">Show filter parameter</translation>
        </message>
        <message>
            <source>DynamicScaling</source>
            <translation type="unfinished">Dynamic scaling</translation>
        </message>
        <message>
            <source>LongtermMeasurement</source>
            <translation type="unfinished">Long-term measurement</translation>
        </message>
        <message>
            <source>ShowGrid</source>
            <translation type="unfinished">Show grid</translation>
        </message>
        <message>
            <source>H2measurement</source>
            <translation type="unfinished">H2 measurement</translation>
        </message>
        <message>
            <source>ShowHistogram</source>
            <translation type="unfinished">Show histogram</translation>
        </message>
        <message>
            <source>ShowWorkingRange</source>
            <translation type="unfinished">Show working range</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation type="unfinished">Pipe locating</translation>
        </message>
        <message>
            <source>PowerOn</source>
            <translation type="unfinished">Actions during power on</translation>
        </message>
        <message>
            <source>StartWithFavourite</source>
            <translation type="unfinished">Start with favourite dialog</translation>
        </message>
        <message>
            <source>StartWithFilter</source>
            <translation type="unfinished">Start with enabled filters</translation>
        </message>
        <message>
            <source>StartWithGps</source>
            <translation type="unfinished">GPS</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation type="unfinished">Previous page</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation type="unfinished">Accept</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation type="unfinished">Cancel</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation type="unfinished">Next page</translation>
        </message>
    </context>
    <context>
        <name>DateTimeAdjust</name>
        <message>
            <source>Day</source>
            <translation type="unfinished">Day</translation>
        </message>
        <message>
            <source>Month</source>
            <translation type="unfinished">Month</translation>
        </message>
        <message>
            <source>Year</source>
            <translation type="unfinished">Year</translation>
        </message>
        <message>
            <source>GPS</source>
            <translation type="unfinished">GPS</translation>
        </message>
        <message>
            <source>Manual</source>
            <translation type="unfinished">Manual</translation>
        </message>
        <message>
            <source>Hour</source>
            <translation type="unfinished">Hour</translation>
        </message>
        <message>
            <source>Minute</source>
            <translation type="unfinished">Minute</translation>
        </message>
        <message>
            <source>Second</source>
            <translation type="unfinished">Second</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation type="unfinished">Accept</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation type="unfinished">Cancel</translation>
        </message>
        <message>
            <source>InvalidDate</source>
            <translation type="unfinished">Invalid date</translation>
        </message>
        <message>
            <source>DateDoesNotExist</source>
            <translation type="unfinished">This date does not exist. Please correct it.</translation>
        </message>
    </context>
    <context>
        <name>Displaysettings</name>
        <message>
            <source>Accept</source>
            <translation type="unfinished">Accept</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation type="unfinished">Cancel</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation type="unfinished">Brightness</translation>
        </message>
        <message>
            <source>high</source>
            <translation type="unfinished">high</translation>
        </message>
        <message>
            <source>medium</source>
            <translation type="unfinished">medium</translation>
        </message>
        <message>
            <source>low</source>
            <translation type="unfinished">low</translation>
        </message>
    </context>
    <context>
        <name>HearingProtection</name>
        <message>
            <source>Accept</source>
            <translation type="unfinished">Accept</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation type="unfinished">Cancel</translation>
        </message>
        <message>
            <source>HearingProtection</source>
            <translation type="unfinished">Hearing protection</translation>
        </message>
        <message>
            <source>Active</source>
            <translation type="unfinished">Active</translation>
        </message>
        <message>
            <source>Inactive</source>
            <translation type="unfinished">Inactive</translation>
        </message>
        <message>
            <source>DefaultHeadphoneVolume</source>
            <translation type="unfinished">Adjust headphone volume</translation>
        </message>
        <message>
            <source>WarningRiskOfAcousticShock</source>
            <translation type="unfinished">Warning! Risk of an acoustic shock.</translation>
        </message>
        <message>
            <source>MaximumVolumeWillBeLimited</source>
            <translation type="unfinished">Maximum volume will be limited.</translation>
        </message>
    </context>
    <context>
        <name>PowerSaving</name>
        <message>
            <source>Accept</source>
            <translation type="unfinished">Accept</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation type="unfinished">Cancel</translation>
        </message>
        <message>
            <source>BacklightOff</source>
            <translation type="unfinished">Backlight off</translation>
        </message>
        <message>
            <source>PowerOff</source>
            <translation type="unfinished">Power off</translation>
        </message>
        <message>
            <source>never</source>
            <translation type="unfinished">never</translation>
        </message>
    </context>
    <context>
        <name>ResetSettings</name>
        <message>
            <source>Back</source>
            <translation type="unfinished">Back</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation type="unfinished">Warning</translation>
        </message>
        <message>
            <source>ResetToDeliveryState</source>
            <translation type="unfinished">Reset to delivery state.
All settings (e.g. language,
paired bluetooth devices) will be reseted.
Stored measurements will not be deleted.</translation>
        </message>
        <message>
            <source>Reset</source>
            <translation type="unfinished">Reset</translation>
        </message>
        <message>
            <source>DoYouReallyWantToResetAllSettings</source>
            <translation type="unfinished">Do you really want to reset all settings?</translation>
        </message>
    </context>
    <context>
        <name>SelectFavouriteButton</name>
        <message>
            <source>Accept</source>
            <translation type="unfinished">Accept</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation type="unfinished">Cancel</translation>
        </message>
    </context>
    <context>
        <name>SelectSwitchmode</name>
        <message>
            <source>Accept</source>
            <translation type="unfinished">Accept</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation type="unfinished">Cancel</translation>
        </message>
        <message>
            <source>ModeOfMutingButton</source>
            <translation type="unfinished">Mode of muting button</translation>
        </message>
        <message>
            <source>Switch</source>
            <translation type="unfinished">Switch</translation>
        </message>
        <message>
            <source>PushButton</source>
            <translation type="unfinished">Pushbutton</translation>
        </message>
    </context>
    <context>
        <name>SelectTimezone</name>
        <message>
            <source>DaylightSavingTime</source>
            <translation type="unfinished">Daylight saving time</translation>
        </message>
        <message>
            <source>Summertime</source>
            <translation type="unfinished">Summer time</translation>
        </message>
        <message>
            <source>Wintertime</source>
            <translation type="unfinished">Winter time</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation type="unfinished">Accept</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation type="unfinished">Cancel</translation>
        </message>
        <message>
            <source>MidwayIslands</source>
            <translation type="unfinished">Midway Islands</translation>
        </message>
        <message>
            <source>Hawaii</source>
            <translation type="unfinished">Hawaii</translation>
        </message>
        <message>
            <source>Alaska</source>
            <translation type="unfinished">Alaska</translation>
        </message>
        <message>
            <source>Pacific</source>
            <translation type="unfinished">Pacific</translation>
        </message>
        <message>
            <source>Arizona</source>
            <translation type="unfinished">Arizona</translation>
        </message>
        <message>
            <source>Chicago</source>
            <translation type="unfinished">Chicago</translation>
        </message>
        <message>
            <source>NewYork</source>
            <translation type="unfinished">New York</translation>
        </message>
        <message>
            <source>Manaus</source>
            <translation type="unfinished">Manaus</translation>
        </message>
        <message>
            <source>Newfoundland</source>
            <translation type="unfinished">Newfoundland</translation>
        </message>
        <message>
            <source>Greenland</source>
            <translation type="unfinished">Greenland</translation>
        </message>
        <message>
            <source>MiddleAtlantic</source>
            <translation type="unfinished">Middle Atlantic</translation>
        </message>
        <message>
            <source>Azores</source>
            <translation type="unfinished">Azores</translation>
        </message>
        <message>
            <source>London</source>
            <translation type="unfinished">London</translation>
        </message>
        <message>
            <source>Berlin</source>
            <translation type="unfinished">Berlin</translation>
        </message>
        <message>
            <source>Cairo</source>
            <translation type="unfinished">Cairo</translation>
        </message>
        <message>
            <source>Moscow</source>
            <translation type="unfinished">Moscow</translation>
        </message>
        <message>
            <source>Teheran</source>
            <translation type="unfinished">Teheran</translation>
        </message>
        <message>
            <source>AbuDhabi</source>
            <translation type="unfinished">Abu Dhabi</translation>
        </message>
        <message>
            <source>Kabul</source>
            <translation type="unfinished">Kabul</translation>
        </message>
        <message>
            <source>Islamabad</source>
            <translation type="unfinished">Islamabad</translation>
        </message>
        <message>
            <source>NewDelhi</source>
            <translation type="unfinished">New Delhi</translation>
        </message>
        <message>
            <source>Katmandu</source>
            <translation type="unfinished">Katmandu</translation>
        </message>
        <message>
            <source>Nowosibirsk</source>
            <translation type="unfinished">Nowosibirsk</translation>
        </message>
        <message>
            <source>Yangon</source>
            <translation type="unfinished">Yangon</translation>
        </message>
        <message>
            <source>Bangkok</source>
            <translation type="unfinished">Bangkok</translation>
        </message>
        <message>
            <source>HongKong</source>
            <translation type="unfinished">Hong Kong</translation>
        </message>
        <message>
            <source>Tokio</source>
            <translation type="unfinished">Tokio</translation>
        </message>
        <message>
            <source>Darwin</source>
            <translation type="unfinished">Darwin</translation>
        </message>
        <message>
            <source>Sydney</source>
            <translation type="unfinished">Sydney</translation>
        </message>
        <message>
            <source>Magadan</source>
            <translation type="unfinished">Magadan</translation>
        </message>
        <message>
            <source>Fiji</source>
            <translation type="unfinished">Fiji</translation>
        </message>
    </context>
    <context>
        <name>Systeminformation</name>
        <message>
            <source>Systeminformation</source>
            <translation type="unfinished">System information</translation>
        </message>
        <message>
            <source>Firmwareversion</source>
            <translation type="unfinished">Firmware version</translation>
        </message>
        <message>
            <source>Serialnumber</source>
            <translation type="unfinished">Serialnumber</translation>
        </message>
        <message>
            <source>BluetoothIdTx</source>
            <translation type="unfinished">Bluetooth Id TX</translation>
        </message>
        <message>
            <source>BluetoothIdRx</source>
            <translation type="unfinished">Bluetooth Id RX</translation>
        </message>
        <message>
            <source>Hardwareversion</source>
            <translation type="unfinished">Hardware version</translation>
        </message>
        <message>
            <source>OperatingSystem</source>
            <translation type="unfinished">Operating system</translation>
        </message>
        <message>
            <source>Battery</source>
            <translation type="unfinished">Battery</translation>
        </message>
        <message>
            <source>Back</source>
            <translation type="unfinished">Back</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation type="unfinished">unknown</translation>
        </message>
    </context>
    <context>
        <name>BackupDialog</name>
        <message>
            <source>ConnectTheTKR9400ToYourPC</source>
            <translation type="unfinished">Connect the TKR 9400 to your PC
and press the button Connect.</translation>
        </message>
        <message>
            <source>Connect</source>
            <translation type="unfinished">Connect</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <translation type="unfinished">Disconnect</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation type="unfinished">Cancel</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation type="unfinished">Warning</translation>
        </message>
        <message>
            <source>DataMemoryNotMounted</source>
            <translation type="unfinished">The data memory could not be mounted.
Please restart the device.</translation>
        </message>
        <message>
            <source>Error</source>
            <translation type="unfinished">Error</translation>
        </message>
        <message>
            <source>DataTransferNotPossible</source>
            <translation type="unfinished">The data memory is in use.
Please try again.</translation>
        </message>
    </context>
    <context>
        <name>Measurements</name>
        <message>
            <source>Error</source>
            <translation type="unfinished">Error</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation type="unfinished">Warning</translation>
        </message>
        <message>
            <source>NoMoreMeasurementsCanBeStored</source>
            <translation type="unfinished">Maximum number of measurements reached.
Measurement will not be stored.
Please delete old measurements.</translation>
        </message>
        <message>
            <source>OnlyAfewMeasurementsCanBeStored</source>
            <translation type="unfinished">Number of measurements near limit.
Please delete old measurements.</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeStored</source>
            <translation type="unfinished">Measurement could not be stored.</translation>
        </message>
    </context>
    <context>
        <name>MeasuringPage</name>
        <message>
            <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
            <translation type="unfinished">You must connect an acoustical sensor
to use this measurement.</translation>
        </message>
        <message>
            <source>Note</source>
            <translation type="unfinished">Remark</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation type="unfinished">Warning</translation>
        </message>
        <message>
            <source>NoBluetoothConnectionPleaseCheckYourQJ5</source>
            <translation type="unfinished">No bluetooth connection.
Please check your QJ-5.</translation>
        </message>
    </context>
    <context>
        <name>Filtersettings</name>
        <message>
            <source>Accept</source>
            <translation type="unfinished">Accept</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation type="unfinished">Microphone gain</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation type="unfinished">Headphone volume</translation>
        </message>
        <message>
            <source>AutomaticFilterSetting</source>
            <translation type="unfinished">Automatic filter setting</translation>
        </message>
        <message>
            <source>NoFilter</source>
            <translation type="unfinished">No filter</translation>
        </message>
    </context>
    <context>
        <name>Headphonesettings</name>
        <message>
            <source>Accept</source>
            <translation type="unfinished">Accept</translation>
        </message>
        <message>
            <source>WarningRiskOfAcousticShock</source>
            <translation type="unfinished">Warning! Risk of an acoustic shock.</translation>
        </message>
        <message>
            <source>WarningHighVolumesCanLeadToHearingDamage</source>
            <translation type="unfinished">Warning!
High volumes can lead to hearing damage.</translation>
        </message>
    </context>
    <context>
        <name>Micsettings</name>
        <message>
            <source>Accept</source>
            <translation type="unfinished">Accept</translation>
        </message>
    </context>
    <context>
        <name>Firmwareupdate</name>
        <message>
            <source>ConnectTheTKR9400ToYourPC</source>
            <translation type="unfinished">Connect the TKR 9400 to your PC
and press the button Connect.</translation>
        </message>
        <message>
            <source>Connect</source>
            <translation type="unfinished">Connect</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <translation type="unfinished">Disconnect</translation>
        </message>
        <message>
            <source>UpdateDevice</source>
            <translation type="unfinished">Update the firmware</translation>
        </message>
        <message>
            <source>CurrentFirmware</source>
            <translation type="unfinished">Current firmware</translation>
        </message>
        <message>
            <source>NewFirmware</source>
            <translation type="unfinished">New firmware</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation type="unfinished">Accept</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation type="unfinished">Cancel</translation>
        </message>
        <message>
            <source>TransmittingFirmware</source>
            <translation type="unfinished">Transmitting firmware</translation>
        </message>
        <message>
            <source>Status</source>
            <translation type="unfinished">Status</translation>
        </message>
        <message>
            <source>UpdatingDevice</source>
            <translation type="unfinished">Updating device</translation>
        </message>
        <message>
            <source>PleaseWaitForReboot</source>
            <translation type="unfinished">Please wait for reboot.</translation>
        </message>
        <message>
            <source>OK</source>
            <translation type="unfinished">OK</translation>
        </message>
        <message>
            <source>ConnectTheTKR9400ToYourPCAndPressTheButtonConnect</source>
            <translation type="unfinished">Connect the TKR 9400 to your PC
and press the button Connect.</translation>
        </message>
        <message>
            <source>DataTransferNotPossible</source>
            <translation type="unfinished">The data memory is in use.
Please try again.</translation>
        </message>
        <message>
            <source>PleaseCopyTheFirmwarefilesPressTheButtonDisconnectIfAllFilesAreCopied</source>
            <translation type="unfinished">Please copy the firmware files.
Press the button Disconnect,
if all files are copied.</translation>
        </message>
        <message>
            <source>DataMemoryNotMounted</source>
            <translation type="unfinished">The data memory could not be mounted.
Please restart the device.</translation>
        </message>
        <message>
            <source>UpdateTKR9400</source>
            <translation type="unfinished">Update TKR 9400</translation>
        </message>
        <message>
            <source>UpdateQJ-5</source>
            <translation type="unfinished">Update QJ-5</translation>
        </message>
        <message>
            <source>CouldNotReadFirmwarefile</source>
            <translation type="unfinished">Could not read firmwarefile.
Please try again.</translation>
        </message>
        <message>
            <source>UpdatingTKR9400</source>
            <translation type="unfinished">Updating TKR 9400</translation>
        </message>
        <message>
            <source>CopyingFilesPleaseWait</source>
            <translation type="unfinished">Copying files, please wait ...</translation>
        </message>
        <message>
            <source>CouldNotCopyFirmwarefile</source>
            <translation type="unfinished">Could not copy the firmware file.
Please try again.</translation>
        </message>
        <message>
            <source>FirmwareupdateQJ-5</source>
            <translation type="unfinished">Firmwareupdate QJ-5</translation>
        </message>
        <message>
            <source>FirmwareupdateSuccessfullyFinished.</source>
            <translation type="unfinished">Firmwareupdate successfully finished.</translation>
        </message>
        <message>
            <source>FirmwareupdateTKR9400</source>
            <translation type="unfinished">Firmwareupdate TKR 9400</translation>
        </message>
        <message>
            <source>AllFilesCopiedPleaseWaitForReboot</source>
            <translation type="unfinished">All files copied.
Please wait for reboot ...</translation>
        </message>
        <message>
            <source>FirmwareupdateCancelled</source>
            <translation type="unfinished">Firmware update cancelled.</translation>
        </message>
        <message>
            <source>TransmittingFirmwarePleaseWait</source>
            <translation type="unfinished">Transmitting firmware. Please wait ...</translation>
        </message>
        <message>
            <source>ErrorDuringFirmwareUpdatePleaseTryAgain</source>
            <translation type="unfinished">Error during firmware update.
Please try again.</translation>
        </message>
        <message>
            <source>FirmwareSuccessfulTransmittedPleaseWaitForRestart</source>
            <translation type="unfinished">Firmware successful transmitted.
Don't switch off QJ-5.
Please wait for restart.</translation>
        </message>
        <message>
            <source>FirmwareupdateSuccessful</source>
            <translation type="unfinished">Firmwareupdate successful.</translation>
        </message>
        <message>
            <source>ErrorDuringUpdatePleaseTryAgainNoAnswerReceivedFromBluetoothDevice</source>
            <translation type="unfinished">Error during update. Please try again.
No answer received from bluetooth device.</translation>
        </message>
    </context>
    <context>
        <name>TestMenu</name>
        <message>
            <source>PreviousPage</source>
            <translation type="unfinished">Previous page</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation type="unfinished">Main menu</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation type="unfinished">Next page</translation>
        </message>
    </context>
    <context>
        <name>TestMenuAudioLoopback</name>
        <message>
            <source>Back</source>
            <translation type="unfinished">Back</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation type="unfinished">Pass</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation type="unfinished">Fail</translation>
        </message>
    </context>
    <context>
        <name>TestMenuFlashUpdate</name>
        <message>
            <source>Back</source>
            <translation type="unfinished">Back</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation type="unfinished">Pass</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation type="unfinished">Fail</translation>
        </message>
    </context>
    <context>
        <name>TestmenuAudio</name>
        <message>
            <source>Back</source>
            <translation type="unfinished">Back</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation type="unfinished">Pass</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation type="unfinished">Fail</translation>
        </message>
    </context>
    <context>
        <name>TestmenuBattery</name>
        <message>
            <source>Back</source>
            <translation type="unfinished">Back</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation type="unfinished">Pass</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation type="unfinished">Fail</translation>
        </message>
        <message>
            <source>Current</source>
            <translation type="unfinished">Current</translation>
        </message>
        <message>
            <source>Charging</source>
            <translation type="unfinished">Charging</translation>
        </message>
        <message>
            <source>Capacity</source>
            <translation type="unfinished">Capacity</translation>
        </message>
        <message>
            <source>Voltage</source>
            <translation type="unfinished">Voltage</translation>
        </message>
        <message>
            <source>Temperature</source>
            <translation type="unfinished">Temperature</translation>
        </message>
        <message>
            <source>UART / USB</source>
            <translation type="unfinished">UART / USB</translation>
        </message>
        <message>
            <source>UART/USB</source>
            <translation type="unfinished">UART/USB</translation>
        </message>
        <message>
            <source>Read</source>
            <translation type="unfinished">Read</translation>
        </message>
        <message>
            <source>Autoread</source>
            <translation type="unfinished">Autoread</translation>
        </message>
        <message>
            <source>UART</source>
            <translation type="unfinished">UART</translation>
        </message>
        <message>
            <source>USB</source>
            <translation type="unfinished">USB</translation>
        </message>
        <message>
            <source>not readable</source>
            <translation type="unfinished">not readable</translation>
        </message>
        <message>
            <source>Discharging</source>
            <translation type="unfinished">Discharging</translation>
        </message>
    </context>
    <context>
        <name>TestmenuDisplay</name>
        <message>
            <source>Back</source>
            <translation type="unfinished">Back</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation type="unfinished">Pass</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation type="unfinished">Fail</translation>
        </message>
    </context>
    <context>
        <name>TestmenuGps</name>
        <message>
            <source>Back</source>
            <translation type="unfinished">Back</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation type="unfinished">Pass</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation type="unfinished">Fail</translation>
        </message>
    </context>
    <context>
        <name>TestmenuInitBluetooth</name>
        <message>
            <source>Back</source>
            <translation type="unfinished">Back</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation type="unfinished">Pass</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation type="unfinished">Fail</translation>
        </message>
    </context>
    <context>
        <name>TestmenuKeyboard</name>
        <message>
            <source>Back</source>
            <translation type="unfinished">Back</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation type="unfinished">Pass</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation type="unfinished">Fail</translation>
        </message>
        <message>
            <source>Keytest: Press each button of the device</source>
            <translation type="unfinished">Keytest: Press each button of the device</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation type="unfinished">unknown</translation>
        </message>
        <message>
            <source>OK</source>
            <translation type="unfinished">OK</translation>
        </message>
    </context>
    <context>
        <name>TestmenuLed</name>
        <message>
            <source>Back</source>
            <translation type="unfinished">Back</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation type="unfinished">Pass</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation type="unfinished">Fail</translation>
        </message>
        <message>
            <source>ON</source>
            <translation type="unfinished">ON</translation>
        </message>
        <message>
            <source>OFF</source>
            <translation type="unfinished">OFF</translation>
        </message>
        <message>
            <source>I/O-LED</source>
            <translation type="unfinished">I/O-LED</translation>
        </message>
        <message>
            <source>CHRG-LED</source>
            <translation type="unfinished">CHRG-LED</translation>
        </message>
        <message>
            <source>DBG-LED</source>
            <translation type="unfinished">DBG-LED</translation>
        </message>
        <message>
            <source>I/O-LED: not available</source>
            <translation type="unfinished">I/O-LED: not available</translation>
        </message>
    </context>
    <context>
        <name>TestmenuRemoteCtrl</name>
        <message>
            <source>Back</source>
            <translation type="unfinished">Back</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSdcard</name>
        <message>
            <source>Back</source>
            <translation type="unfinished">Back</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation type="unfinished">Pass</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation type="unfinished">Fail</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSelftest</name>
        <message>
            <source>Back</source>
            <translation type="unfinished">Back</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation type="unfinished">Pass</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation type="unfinished">Fail</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSensordetection</name>
        <message>
            <source>Back</source>
            <translation type="unfinished">Back</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation type="unfinished">Pass</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation type="unfinished">Fail</translation>
        </message>
        <message>
            <source>AD-Value</source>
            <translation type="unfinished">AD-Value</translation>
        </message>
        <message>
            <source>Sensordetection</source>
            <translation type="unfinished">Sensordetection</translation>
        </message>
        <message>
            <source>Read</source>
            <translation type="unfinished">Read</translation>
        </message>
        <message>
            <source>Autoread</source>
            <translation type="unfinished">Autoread</translation>
        </message>
        <message>
            <source>connected</source>
            <translation type="unfinished">connected</translation>
        </message>
        <message>
            <source>No sensor</source>
            <translation type="unfinished">No sensor</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation type="unfinished">unknown</translation>
        </message>
    </context>
    <context>
        <name>TestmenuUartUsbSwitch</name>
        <message>
            <source>Back</source>
            <translation type="unfinished">Back</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation type="unfinished">Pass</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation type="unfinished">Fail</translation>
        </message>
    </context>
    <context>
        <name>TestmenuUsb</name>
        <message>
            <source>Back</source>
            <translation type="unfinished">Back</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation type="unfinished">Pass</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation type="unfinished">Fail</translation>
        </message>
    </context>
    <context>
        <name>MeasManagementEdit</name>
        <message>
            <source>ChangeName</source>
            <translation type="unfinished">Change name</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation type="unfinished">Accept</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation type="unfinished">Cancel</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation type="unfinished">Delete</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation type="unfinished">Histogram</translation>
        </message>
        <message>
            <source>Levelmeasurement</source>
            <translation type="unfinished">Level measurement</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation type="unfinished">Pipe locating</translation>
        </message>
        <message>
            <source>H2-Measurement</source>
            <translation type="unfinished">H2 measurement</translation>
        </message>
        <message>
            <source>Longtermmeasurement</source>
            <translation type="unfinished">Long-term measurement</translation>
        </message>
    </context>
</TS>
