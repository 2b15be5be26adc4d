<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da_DK">
    <context>
        <name>GpsMonitor</name>
        <message>
            <source>GPS</source>
            <translation type="unfinished">GPS</translation>
        </message>
    </context>
    <context>
        <name>H2Sensor</name>
        <message>
            <source>H2Sensor</source>
            <translation type="unfinished">H2 sensor</translation>
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
    </context>
    <context>
        <name>Levelmeasurement</name>
        <message>
            <source>Level</source>
            <translation type="unfinished">Level</translation>
        </message>
    </context>
    <context>
        <name>Longtermmeasurement</name>
        <message>
            <source>Longterm</source>
            <translation type="unfinished">Long-term</translation>
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
    </context>
    <context>
        <name>Pinpointing</name>
        <message>
            <source>Histogram</source>
            <translation type="unfinished">Histogram</translation>
        </message>
    </context>
    <context>
        <name>Pipelocating</name>
        <message>
            <source>Pipelocating</source>
            <translation type="unfinished">Pipe locating</translation>
        </message>
    </context>
    <context>
        <name>PressureSensor</name>
        <message>
            <source>Pressure</source>
            <translation type="unfinished">Pressure</translation>
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
</TS>
